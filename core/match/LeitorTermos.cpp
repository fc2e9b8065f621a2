#include "core/match/LeitorTermos.h"

#include <optional>

namespace {

constexpr std::size_t MAIOR_NUMERO = 11;  // "-2147483648"
constexpr std::size_t MAIOR_NOME = 16;

// A term matched against the bytes from a position: not a term, the start of
// one that needs more bytes, or a whole one.
struct Casamento {
    enum Estado { NAO, PREFIXO, COMPLETO } estado = NAO;
    TermoLido termo;
    std::size_t tamanho = 0;
};

// Reads the pieces of a term; once the bytes run out (acabou) or a piece
// does not fit (falhou) every later piece fails too.
class Cursor {
public:
    Cursor(std::string_view texto, std::size_t inicio) : texto(texto), i(inicio), inicio(inicio) {}

    bool literal(std::string_view esperado) {
        for (const char c : esperado) {
            if (!pronto()) return false;
            if (texto[i] != c) return falha();
            ++i;
        }
        return true;
    }

    // "-"? digits, at most MAIOR_NUMERO characters.
    std::optional<int64_t> numero() {
        if (!pronto()) return std::nullopt;
        const std::size_t comeco = i;
        const bool negativo = texto[i] == '-';
        if (negativo) ++i;
        int64_t valor = 0;
        std::size_t digitos = 0;
        for (; i < texto.size() && texto[i] >= '0' && texto[i] <= '9'; ++i, ++digitos) {
            if (i - comeco >= MAIOR_NUMERO) return falha(), std::nullopt;
            valor = valor * 10 + (texto[i] - '0');
        }
        if (i == texto.size()) return acaba(), std::nullopt;
        if (digitos == 0) return falha(), std::nullopt;
        return negativo ? -valor : valor;
    }

    // Letters, digits and '_', at most MAIOR_NOME of them.
    std::optional<std::string> nome() {
        const std::size_t comeco = i;
        for (; i < texto.size() && ehDeNome(texto[i]); ++i)
            if (i - comeco >= MAIOR_NOME) return falha(), std::nullopt;
        if (i == texto.size()) return acaba(), std::nullopt;
        if (i == comeco) return falha(), std::nullopt;
        return std::string(texto.substr(comeco, i - comeco));
    }

    // A string in double quotes, `\` escaping the next byte, at most
    // LeitorTermos::MAIOR_TEXTO bytes inside.
    std::optional<std::string> cadeia() {
        if (!literal("\"")) return std::nullopt;
        const std::size_t comeco = i;
        std::string valor;
        for (; i < texto.size(); ++i) {
            if (i - comeco >= LeitorTermos::MAIOR_TEXTO) return falha(), std::nullopt;
            if (texto[i] == '"') {
                ++i;
                return valor;
            }
            if (texto[i] == '\\' && ++i == texto.size()) break;
            valor += texto[i];
        }
        return acaba(), std::nullopt;
    }

    Casamento resultado(TermoLido termo) const {
        if (falhou) return {};
        if (acabou) return {Casamento::PREFIXO, {}, 0};
        termo.texto = std::string(texto.substr(inicio, i - inicio));
        return {Casamento::COMPLETO, std::move(termo), i - inicio};
    }

    bool falha() {
        falhou = true;
        return false;
    }

private:
    static bool ehDeNome(char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    }
    bool pronto() {
        if (falhou || acabou) return false;
        if (i < texto.size()) return true;
        return acaba();
    }
    bool acaba() {
        acabou = true;
        return false;
    }

    std::string_view texto;
    std::size_t i, inicio;
    bool falhou = false, acabou = false;
};

// "[sense(ecometro(P))]"
Casamento casaEcometro(std::string_view texto, std::size_t inicio) {
    Cursor cursor(texto, inicio);
    TermoLido termo;
    termo.tipo = TermoLido::ECOMETRO;
    if (cursor.literal("[sense(ecometro(")) {
        if (const auto valor = cursor.numero()) {
            termo.valor = *valor;
            cursor.literal("))]");
        }
    }
    return cursor.resultado(std::move(termo));
}

// "happens(E,N)\nact(E,(acao))"
Casamento casaAcao(std::string_view texto, std::size_t inicio) {
    Cursor cursor(texto, inicio);
    TermoLido termo;
    termo.tipo = TermoLido::ACAO;
    if (!cursor.literal("happens(")) return cursor.resultado(termo);
    const auto evento = cursor.nome();
    if (!evento || !cursor.literal(",")) return cursor.resultado(termo);
    const auto passo = cursor.numero();
    if (!passo || !cursor.literal(")\nact(")) return cursor.resultado(termo);
    const auto outro = cursor.nome();
    if (outro && *outro != *evento) cursor.falha();
    if (outro) cursor.literal(",(acao))");
    termo.evento = *evento;
    termo.valor = *passo;
    return cursor.resultado(std::move(termo));
}

// [aluno("NOME")] and [diz("TEXTO")]: a name, then a string.
Casamento casaCadeia(std::string_view texto, std::size_t inicio, std::string_view abre, TermoLido::Tipo tipo) {
    Cursor cursor(texto, inicio);
    TermoLido termo;
    termo.tipo = tipo;
    if (cursor.literal(abre))
        if (auto conteudo = cursor.cadeia(); conteudo && cursor.literal(")]")) termo.conteudo = std::move(*conteudo);
    return cursor.resultado(std::move(termo));
}

// [partida(inicio,"FASE",SEMENTE)] and [partida(fim,P,COR)]
Casamento casaPartida(std::string_view texto, std::size_t inicio) {
    Cursor cursor(texto, inicio);
    TermoLido termo;
    if (!cursor.literal("[partida(")) return cursor.resultado(termo);
    const auto qual = cursor.nome();
    if (!qual || !cursor.literal(",")) return cursor.resultado(termo);
    if (*qual == "inicio") {
        termo.tipo = TermoLido::INICIO_PARTIDA;
        auto fase = cursor.cadeia();
        if (!fase || !cursor.literal(",")) return cursor.resultado(termo);
        termo.conteudo = std::move(*fase);
        if (const auto semente = cursor.numero()) termo.valor = *semente;
    } else if (*qual == "fim") {
        termo.tipo = TermoLido::FIM_PARTIDA;
        const auto percentual = cursor.numero();
        if (!percentual || !cursor.literal(",")) return cursor.resultado(termo);
        termo.valor = *percentual;
        if (auto cor = cursor.nome()) termo.evento = std::move(*cor);
    } else {
        cursor.falha();
    }
    cursor.literal(")]");
    return cursor.resultado(std::move(termo));
}

// The term that begins at inicio: the first that matches whole, else the
// start of one when the bytes run out.
Casamento casaColchete(std::string_view texto, std::size_t inicio) {
    Casamento melhor;
    for (const Casamento& casamento :
         {casaEcometro(texto, inicio), casaPartida(texto, inicio),
          casaCadeia(texto, inicio, "[aluno(", TermoLido::ALUNO), casaCadeia(texto, inicio, "[diz(", TermoLido::DIZ)}) {
        if (casamento.estado == Casamento::COMPLETO) return casamento;
        if (casamento.estado == Casamento::PREFIXO) melhor = casamento;
    }
    return melhor;
}

TermoLido texto(std::string_view bytes) {
    TermoLido termo;
    termo.texto = bytes;
    return termo;
}

}  // namespace

std::vector<TermoLido> LeitorTermos::mLe(std::string_view bytes) {
    pendente.append(bytes);
    std::vector<TermoLido> termos;
    std::size_t inicioTexto = 0, i = 0;
    while (i < pendente.size()) {
        Casamento casamento;
        if (pendente[i] == '[') casamento = casaColchete(pendente, i);
        else if (pendente[i] == 'h') casamento = casaAcao(pendente, i);
        if (casamento.estado == Casamento::PREFIXO) break;
        if (casamento.estado == Casamento::NAO) {
            ++i;
            continue;
        }
        if (i > inicioTexto) termos.push_back(texto(std::string_view(pendente).substr(inicioTexto, i - inicioTexto)));
        termos.push_back(std::move(casamento.termo));
        i += casamento.tamanho;
        inicioTexto = i;
    }
    if (i > inicioTexto) termos.push_back(texto(std::string_view(pendente).substr(inicioTexto, i - inicioTexto)));
    pendente.erase(0, i);
    return termos;
}

std::vector<TermoLido> LeitorTermos::mFim() {
    std::vector<TermoLido> termos;
    if (!pendente.empty()) termos.push_back(texto(pendente));
    pendente.clear();
    return termos;
}
