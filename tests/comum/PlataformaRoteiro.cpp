#include "tests/comum/PlataformaRoteiro.h"

Resposta PlataformaRoteiro::mMensagem(const std::string& texto, const std::string& titulo,
                                      Icone icone, Botoes botoes, Resposta padrao) {
    caixas.push_back({texto, titulo, icone, botoes, padrao});
    if (respostas.empty()) return padrao;
    const Resposta resposta = respostas.front();
    respostas.pop_front();
    return resposta;
}

std::string PlataformaRoteiro::mProcuraPrograma(const std::string& nome) const {
    const auto achado = programasNoPath.find(nome);
    return achado == programasNoPath.end() ? std::string() : achado->second;
}

void PlataformaRoteiro::mIniciaPrograma(const std::vector<std::string>& argumentos,
                                        ProcessoExterno& processo) {
    iniciados.push_back(argumentos);
    processo.identificador = 0;
    if (!iniciaComSucesso) return;
    processo.identificador = proximoIdentificador++;
    rodando.insert(processo.identificador);
}

bool PlataformaRoteiro::mProgramaRodando(const ProcessoExterno& processo) const {
    return rodando.count(processo.identificador) > 0;
}

std::vector<std::string> PlataformaRoteiro::mTextos() const {
    std::vector<std::string> textos;
    for (const CaixaMostrada& caixa : caixas) textos.push_back(caixa.texto);
    return textos;
}

std::unique_ptr<SaidaSom> PlataformaRoteiro::mCriaSaidaSom() {
    auto saida = std::make_unique<SaidaSomRoteiro>();
    saida->temDispositivo = comSom;
    saidaSom = saida.get();
    return saida;
}

int SaidaSomRoteiro::mCriaBuffer(const FormatoWave& formato, std::span<const uint8_t> dados) {
    const bool aceita = (formato.canais == 1 || formato.canais == 2) &&
                        (formato.bitsPorAmostra == 8 || formato.bitsPorAmostra == 16) &&
                        formato.amostrasPorSegundo > 0 && !dados.empty();
    if (!aberta || !aceita) return -1;
    buffers.push_back({formato, dados.size(), true});
    return static_cast<int>(buffers.size() - 1);
}
