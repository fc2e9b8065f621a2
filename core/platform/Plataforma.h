// The program's one door to the desktop: message boxes, the screen size, the
// millisecond clock, the graphics check and outside programs. Plain C++, so
// that the lake model and the readers can report problems too. PlataformaQt
// carries it on Qt; the tests use a scripted double that records every box.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class SaidaSom;

enum class Icone { INFORMACAO, PERGUNTA };
enum class Botoes { OK, SIM_NAO, SIM_NAO_CANCELAR };
enum class Resposta { OK, SIM, NAO, CANCELAR };

struct TamanhoTela {
    int largura = 0;  // pixels
    int altura = 0;
};

// The last program started from one command. identificador is the process
// id given by the system, 0 before the first start and after a failed one.
struct ProcessoExterno {
    int64_t identificador = 0;
};

class Plataforma {
public:
    virtual ~Plataforma() = default;

    // Modal message box owned by no window. Texts are UTF-8; the buttons are
    // "&Sim", "&Não", "Cancelar" or "OK". Answers the button chosen.
    virtual Resposta mMensagem(const std::string& texto, const std::string& titulo, Icone icone,
                               Botoes botoes, Resposta padrao) = 0;

    // Size of the primary screen in pixels.
    virtual TamanhoTela mTamanhoTela() const = 0;

    // Millisecond tick count of the system; wraps around at 2^32.
    virtual uint32_t mRelogioMs() const = 0;

    // True when an OpenGL 3.3 context can be made.
    virtual bool mSuportaGraficos() = 0;

    // Full path of a program found on the PATH, or "" when there is none.
    virtual std::string mProcuraPrograma(const std::string& nome) const = 0;

    // Starts a program from an argument vector (never through a shell) in the
    // current directory, without waiting for it. A failure is silent and
    // leaves the record describing no process.
    virtual void mIniciaPrograma(const std::vector<std::string>& argumentos,
                                 ProcessoExterno& processo) = 0;

    // True while the program of the record runs.
    virtual bool mProgramaRodando(const ProcessoExterno& processo) const = 0;

    // The audio output the sound effects play through; none where there is
    // no sound at all.
    virtual std::unique_ptr<SaidaSom> mCriaSaidaSom() = 0;
};

// The platform the program runs on; installed once by main, or by a test.
// Installed per thread: a match run on a worker thread installs its own.
Plataforma& plataforma();
void instalaPlataforma(Plataforma* nova);

// The program's usual report of a problem: caption "Aviso", information
// icon, one "OK" button.
void mostraAviso(const std::string& texto);

// The report of a picture, model or sound that cannot be read:
// "Arquivo '<arquivo>' não encontrado."
void avisaArquivoNaoEncontrado(const std::string& arquivo);
