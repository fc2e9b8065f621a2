// A scripted platform for tests: records every message box and answers from
// a script, reports a chosen screen, clock and graphics, and records the
// programs it is asked to start.
#pragma once

#include "core/platform/Plataforma.h"
#include "core/sound/SaidaSom.h"

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

// A scripted audio output: it records the buffers made and the sounds
// played, and takes only the formats a real device takes (8- or 16-bit,
// mono or stereo PCM at a rate above 0).
class SaidaSomRoteiro : public SaidaSom {
public:
    struct Buffer {
        FormatoWave formato;
        std::size_t bytes;
        bool vivo;
    };
    bool mAbre() override { return aberta = temDispositivo; }
    void mFecha() override { aberta = false; }
    int mCriaBuffer(const FormatoWave& formato, std::span<const uint8_t> dados) override;
    void mLiberaBuffer(int buffer) override { buffers.at(static_cast<std::size_t>(buffer)).vivo = false; }
    void mToca(int buffer) override { tocados.push_back(buffer); }

    bool temDispositivo = true;
    bool aberta = false;
    std::vector<Buffer> buffers;  // by handle
    std::vector<int> tocados;     // handles, in the order played
};

struct CaixaMostrada {
    std::string texto;
    std::string titulo;
    Icone icone;
    Botoes botoes;
    Resposta padrao;
};

class PlataformaRoteiro : public Plataforma {
public:
    PlataformaRoteiro() { instalaPlataforma(this); }
    ~PlataformaRoteiro() override { instalaPlataforma(nullptr); }

    // Answers are taken in order; when the script is used up a box is
    // answered with its default button.
    Resposta mMensagem(const std::string& texto, const std::string& titulo, Icone icone,
                       Botoes botoes, Resposta padrao) override;
    TamanhoTela mTamanhoTela() const override { return tela; }
    uint32_t mRelogioMs() const override { return relogioMs; }
    bool mSuportaGraficos() override { return graficos; }
    std::string mProcuraPrograma(const std::string& nome) const override;
    void mIniciaPrograma(const std::vector<std::string>& argumentos,
                         ProcessoExterno& processo) override;
    bool mProgramaRodando(const ProcessoExterno& processo) const override;
    // Hands out the scripted output; it stays reachable through saidaSom.
    std::unique_ptr<SaidaSom> mCriaSaidaSom() override;

    // Texts of the boxes shown, in order.
    std::vector<std::string> mTextos() const;

    // Ends the program started with this record.
    void mTerminaPrograma(const ProcessoExterno& processo) { rodando.erase(processo.identificador); }

    std::deque<Resposta> respostas;
    std::vector<CaixaMostrada> caixas;
    TamanhoTela tela{1024, 768};
    uint32_t relogioMs = 0;
    bool graficos = true;
    std::map<std::string, std::string> programasNoPath;  // name → full path
    bool iniciaComSucesso = true;
    std::vector<std::vector<std::string>> iniciados;
    bool comSom = true;            // whether the machine has a sound device
    SaidaSomRoteiro* saidaSom = nullptr;  // the last output handed out

private:
    int64_t proximoIdentificador = 1000;
    std::set<int64_t> rodando;
};
