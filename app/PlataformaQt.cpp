#include "app/PlataformaQt.h"

#include "sound/SaidaOpenAL.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QSurfaceFormat>

#include <chrono>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#endif

namespace {

QString qt(const std::string& texto) { return QString::fromStdString(texto); }

constexpr int GL_MAIOR = 3;  // the OpenGL version the renderer needs
constexpr int GL_MENOR = 3;

}  // namespace

Resposta PlataformaQt::mMensagem(const std::string& texto, const std::string& titulo,
                                 Icone icone, Botoes botoes, Resposta padrao) {
    QMessageBox caixa(icone == Icone::PERGUNTA ? QMessageBox::Question : QMessageBox::Information,
                      qt(titulo), qt(texto));
    caixa.setTextFormat(Qt::PlainText);

    std::vector<std::pair<QPushButton*, Resposta>> respostas;
    auto acrescenta = [&](const char* rotulo, QMessageBox::ButtonRole papel, Resposta resposta) {
        QPushButton* botao = caixa.addButton(QString::fromUtf8(rotulo), papel);
        respostas.emplace_back(botao, resposta);
        if (resposta == padrao) caixa.setDefaultButton(botao);
        return botao;
    };
    switch (botoes) {
    case Botoes::OK:
        caixa.setEscapeButton(acrescenta("OK", QMessageBox::AcceptRole, Resposta::OK));
        break;
    case Botoes::SIM_NAO:
        acrescenta("&Sim", QMessageBox::YesRole, Resposta::SIM);
        caixa.setEscapeButton(acrescenta("&Não", QMessageBox::NoRole, Resposta::NAO));
        break;
    case Botoes::SIM_NAO_CANCELAR:
        acrescenta("&Sim", QMessageBox::YesRole, Resposta::SIM);
        acrescenta("&Não", QMessageBox::NoRole, Resposta::NAO);
        caixa.setEscapeButton(acrescenta("Cancelar", QMessageBox::RejectRole, Resposta::CANCELAR));
        break;
    }
    caixa.exec();

    for (const auto& [botao, resposta] : respostas)
        if (caixa.clickedButton() == botao) return resposta;
    return respostas.back().second;  // closed without a button: as the escape button
}

TamanhoTela PlataformaQt::mTamanhoTela() const {
    const QScreen* tela = QGuiApplication::primaryScreen();
    if (!tela) return {};
    const QSize tamanho = tela->size();
    return {tamanho.width(), tamanho.height()};
}

uint32_t PlataformaQt::mRelogioMs() const {
    using namespace std::chrono;
    const auto agora = duration_cast<milliseconds>(steady_clock::now().time_since_epoch());
    return static_cast<uint32_t>(agora.count());
}

bool PlataformaQt::mSuportaGraficos() {
    QSurfaceFormat formato;
    formato.setVersion(GL_MAIOR, GL_MENOR);
    formato.setProfile(QSurfaceFormat::CoreProfile);

    QOpenGLContext contexto;
    contexto.setFormat(formato);
    if (!contexto.create()) return false;
    const QSurfaceFormat obtido = contexto.format();
    if (std::pair(obtido.majorVersion(), obtido.minorVersion()) < std::pair(GL_MAIOR, GL_MENOR))
        return false;

    QOffscreenSurface superficie;
    superficie.setFormat(obtido);
    superficie.create();
    if (!superficie.isValid() || !contexto.makeCurrent(&superficie)) return false;
    contexto.doneCurrent();
    return true;
}

std::string PlataformaQt::mProcuraPrograma(const std::string& nome) const {
    return QStandardPaths::findExecutable(qt(nome)).toStdString();
}

void PlataformaQt::mIniciaPrograma(const std::vector<std::string>& argumentos,
                                   ProcessoExterno& processo) {
    processo.identificador = 0;
    if (argumentos.empty()) return;
    QStringList resto;
    for (std::size_t i = 1; i < argumentos.size(); ++i) resto << qt(argumentos[i]);
    // The game's own programs ("./ajuda") are in the working directory when
    // it runs from its build, and beside the game when it is installed.
    QString programa = qt(argumentos[0]);
    if (programa.startsWith(QStringLiteral("./")) && !QFileInfo::exists(programa))
        programa = QDir(QCoreApplication::applicationDirPath()).filePath(programa.mid(2));
    qint64 identificador = 0;
    if (QProcess::startDetached(programa, resto, QDir::currentPath(), &identificador))
        processo.identificador = identificador;
}

bool PlataformaQt::mProgramaRodando(const ProcessoExterno& processo) const {
    if (processo.identificador <= 0) return false;
#ifdef _WIN32
    HANDLE alca = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                              static_cast<DWORD>(processo.identificador));
    if (!alca) return false;
    DWORD codigo = 0;
    const bool rodando = GetExitCodeProcess(alca, &codigo) && codigo == STILL_ACTIVE;
    CloseHandle(alca);
    return rodando;
#else
    // A detached program is not our child: it leaves no zombie behind, so
    // the process id answers until the program ends.
    return kill(static_cast<pid_t>(processo.identificador), 0) == 0 || errno == EPERM;
#endif
}

std::unique_ptr<SaidaSom> PlataformaQt::mCriaSaidaSom() { return std::make_unique<SaidaOpenAL>(); }
