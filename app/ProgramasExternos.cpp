#include "app/ProgramasExternos.h"

#include "core/platform/Plataforma.h"

#include <array>

namespace {

#ifdef _WIN32
constexpr const char* SUFIXO_PROGRAMA = ".exe";
#else
constexpr const char* SUFIXO_PROGRAMA = "";
#endif

// Text editors tried in this order.
constexpr std::array EDITORES_TEXTO = {
#ifdef _WIN32
    "notepad.exe",
#endif
    "gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "pluma", "xed",
    "featherpad", "leafpad", "geany", "xdg-open",
};

}  // namespace

std::string programaLocal(const char* nome) { return std::string("./") + nome + SUFIXO_PROGRAMA; }

std::string editorTexto() {
    for (const char* nome : EDITORES_TEXTO) {
        std::string caminho = plataforma().mProcuraPrograma(nome);
        if (!caminho.empty()) return caminho;
    }
    return {};
}

std::string editoresProcurados() {
    std::string lista;
    for (const char* nome : EDITORES_TEXTO) lista += (lista.empty() ? "" : ", ") + std::string(nome);
    return lista;
}
