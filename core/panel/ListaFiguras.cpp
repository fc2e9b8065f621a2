#include "core/panel/ListaFiguras.h"

bool ListaFiguras::mRegistra(const std::string& arquivo, float esquerda, float topo,
                             float direita, float base) {
    if (quantos >= static_cast<int>(MAX_FIGURAS)) return false;
    Figura& figura = figuras[static_cast<std::size_t>(quantos++)];
    figura.arquivo = arquivo.substr(0, MAX_NOME_FIGURA);
    figura.esquerda = esquerda;
    figura.direita = direita;
    figura.topo = topo;
    figura.base = base;
    return true;
}

void ListaFiguras::mTrocaArquivo(int i, const std::string& arquivo) {
    if (i >= 0 && i < quantos) figuras[static_cast<std::size_t>(i)].arquivo = arquivo.substr(0, MAX_NOME_FIGURA);
}

bool ListaFiguras::mContem(int i, float fx, float fy) const {
    if (i < 0 || i >= quantos) return false;
    const Figura& f = figuras[static_cast<std::size_t>(i)];
    return f.esquerda <= fx && fx <= f.direita && f.topo <= fy && fy <= f.base;
}

void ListaFiguras::mDefineTopo(int i, float topo) {
    if (i >= 0 && i < quantos) figuras[static_cast<std::size_t>(i)].topo = topo;
}
