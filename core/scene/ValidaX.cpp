#include "core/scene/ValidaX.h"

#include <cctype>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

constexpr std::string_view CABECALHO = "xof 0303txt ";
constexpr int MAX_PROFUNDIDADE = 64;

enum class Tipo { NOME, NUMERO, TEXTO, ABRE, FECHA, GUID, FIM, ERRO };

struct Token {
    Tipo tipo;
    std::string_view texto;
};

// The tokens of a text .x file: names, numbers, strings, braces and GUIDs;
// the separators ";" and "," and the comments are skipped.
class Tokens {
public:
    explicit Tokens(std::string_view texto) : resto(texto) {}

    Token mProximo() {
        for (;;) {
            while (!resto.empty() && (std::isspace(static_cast<unsigned char>(resto[0])) ||
                                      resto[0] == ';' || resto[0] == ','))
                resto.remove_prefix(1);
            if (resto.empty()) return {Tipo::FIM, {}};
            if (resto[0] == '#' || resto.substr(0, 2) == "//") {
                const std::size_t fim = resto.find('\n');
                resto.remove_prefix(fim == std::string_view::npos ? resto.size() : fim);
                continue;
            }
            break;
        }
        const char c = resto[0];
        if (c == '{' || c == '}') return toma(1, c == '{' ? Tipo::ABRE : Tipo::FECHA);
        if (c == '<') return ate('>', Tipo::GUID);
        if (c == '"') return ate('"', Tipo::TEXTO);
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+' || c == '.')
            return enquanto(Tipo::NUMERO, [](char x) {
                return std::isdigit(static_cast<unsigned char>(x)) || x == '.' || x == '-' || x == '+' ||
                       x == 'e' || x == 'E';
            });
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_')
            return enquanto(Tipo::NOME, [](char x) {
                return std::isalnum(static_cast<unsigned char>(x)) || x == '_' || x == '-' || x == '.';
            });
        return {Tipo::ERRO, {}};
    }

private:
    Token toma(std::size_t n, Tipo tipo) {
        const Token token{tipo, resto.substr(0, n)};
        resto.remove_prefix(n);
        return token;
    }
    Token ate(char fecho, Tipo tipo) {
        const std::size_t fim = resto.find(fecho, 1);
        if (fim == std::string_view::npos) return {Tipo::ERRO, {}};
        return toma(fim + 1, tipo);
    }
    template <typename Cabe>
    Token enquanto(Tipo tipo, Cabe cabe) {
        std::size_t fim = 1;
        while (fim < resto.size() && cabe(resto[fim])) ++fim;
        return toma(fim, tipo);
    }

    std::string_view resto;
};

// Reads the objects of a file, checking every count against what follows
// it and every index against the count it points into.
class Validador {
public:
    explicit Validador(std::string_view texto) : tokens(texto) { avanca(); }

    bool mArquivo() {
        while (atual.tipo != Tipo::FIM)
            if (!mObjeto(0, nullptr)) return false;
        return true;
    }

private:
    void avanca() { atual = tokens.mProximo(); }

    std::optional<uint64_t> inteiro() {
        if (atual.tipo != Tipo::NUMERO) return std::nullopt;
        uint64_t valor = 0;
        for (const char c : atual.texto) {
            if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
            valor = valor * 10 + static_cast<uint64_t>(c - '0');
            if (valor > UINT32_MAX) return std::nullopt;
        }
        avanca();
        return valor;
    }
    // A count: a whole number that cannot be more than what the file holds.
    std::optional<uint64_t> contagem() {
        const auto n = inteiro();
        if (!n || *n > tamanhoMaximo) return std::nullopt;
        return n;
    }
    bool reais(uint64_t n) {
        for (uint64_t i = 0; i < n; ++i) {
            if (atual.tipo != Tipo::NUMERO) return false;
            avanca();
        }
        return true;
    }
    // n faces, each a corner count and that many indices below limite.
    bool faces(uint64_t n, uint64_t limite) {
        for (uint64_t f = 0; f < n; ++f) {
            const auto cantos = contagem();
            if (!cantos) return false;
            for (uint64_t k = 0; k < *cantos; ++k) {
                const auto indice = inteiro();
                if (!indice || *indice >= limite) return false;
            }
        }
        return true;
    }

    // NAME [instance name] { [GUID] content }, or a reference { NAME }.
    bool mObjeto(int profundidade, const uint64_t* verticesDoPai) {
        if (profundidade > MAX_PROFUNDIDADE || atual.tipo != Tipo::NOME) return false;
        const std::string_view tipo = atual.texto;
        avanca();
        if (tipo == "template") return mPula();
        if (atual.tipo == Tipo::NOME) avanca();
        if (atual.tipo != Tipo::ABRE) return false;
        avanca();
        if (atual.tipo == Tipo::GUID) avanca();

        uint64_t vertices = 0;
        const uint64_t* paraFilhos = verticesDoPai;
        if (tipo == "Mesh") {
            const auto v = contagem();
            if (!v || !reais(3 * *v)) return false;
            const auto f = contagem();
            if (!f || !faces(*f, *v)) return false;
            vertices = *v;
            paraFilhos = &vertices;
        } else if (tipo == "MeshNormals") {
            const auto n = contagem();
            if (!n || !reais(3 * *n)) return false;
            const auto f = contagem();
            if (!f || !faces(*f, *n)) return false;
        } else if (tipo == "MeshTextureCoords") {
            const auto n = contagem();
            if (!n || !reais(2 * *n)) return false;
        } else if (tipo == "MeshVertexColors") {
            const auto n = contagem();
            if (!n || !verticesDoPai) return false;
            for (uint64_t i = 0; i < *n; ++i) {
                const auto indice = inteiro();
                if (!indice || *indice >= *verticesDoPai || !reais(4)) return false;
            }
        } else if (tipo == "MeshMaterialList") {
            const auto materiais = contagem();
            const auto indices = contagem();
            if (!materiais || !indices) return false;
            for (uint64_t i = 0; i < *indices; ++i) {
                const auto indice = inteiro();
                if (!indice || *indice >= std::max<uint64_t>(*materiais, 1)) return false;
            }
            return mMateriais(profundidade, *materiais);
        } else if (tipo == "FrameTransformMatrix") {
            return reais(16) && atual.tipo == Tipo::FECHA && (avanca(), true);
        } else if (tipo == "Material") {
            if (!reais(4 + 1 + 3 + 3)) return false;  // colour, power, specular, emissive
        }
        return mConteudo(profundidade, paraFilhos);
    }

    // The materials of a list, as many as it says: Material objects or
    // references to them, and nothing else.
    bool mMateriais(int profundidade, uint64_t quantos) {
        uint64_t achados = 0;
        while (atual.tipo != Tipo::FECHA) {
            if (atual.tipo == Tipo::ABRE) {
                avanca();
                if (atual.tipo != Tipo::NOME) return false;
                avanca();
                if (atual.tipo != Tipo::FECHA) return false;
                avanca();
            } else if (atual.tipo != Tipo::NOME || atual.texto != "Material" ||
                       !mObjeto(profundidade + 1, nullptr)) {
                return false;
            }
            ++achados;
        }
        avanca();
        return achados == quantos;
    }

    // The rest of an object up to its closing brace: numbers, strings,
    // references and objects inside it.
    bool mConteudo(int profundidade, const uint64_t* vertices) {
        for (;;) {
            switch (atual.tipo) {
            case Tipo::FECHA:
                avanca();
                return true;
            case Tipo::NUMERO:
            case Tipo::TEXTO:
            case Tipo::GUID:
                avanca();
                break;
            case Tipo::ABRE:  // a reference: { NAME }
                avanca();
                if (atual.tipo == Tipo::NOME) avanca();
                if (atual.tipo != Tipo::FECHA) return false;
                avanca();
                break;
            case Tipo::NOME:
                if (!mObjeto(profundidade + 1, vertices)) return false;
                break;
            default:
                return false;
            }
        }
    }

    // A template declaration: everything up to its closing brace.
    bool mPula() {
        if (atual.tipo == Tipo::NOME) avanca();
        if (atual.tipo != Tipo::ABRE) return false;
        avanca();
        int nivel = 1;
        while (nivel > 0) {
            if (atual.tipo == Tipo::FIM || atual.tipo == Tipo::ERRO) return false;
            if (atual.tipo == Tipo::ABRE) ++nivel;
            if (atual.tipo == Tipo::FECHA) --nivel;
            avanca();
        }
        return true;
    }

    Tokens tokens;
    Token atual{Tipo::FIM, {}};

public:
    uint64_t tamanhoMaximo = 0;
};

}  // namespace

bool estruturaXValida(std::string_view texto) {
    if (texto.substr(0, CABECALHO.size()) != CABECALHO) return false;
    const std::size_t fimCabecalho = texto.find('\n');
    if (fimCabecalho == std::string_view::npos) return false;
    Validador validador(texto.substr(fimCabecalho + 1));
    validador.tamanhoMaximo = texto.size();
    return validador.mArquivo();
}
