// The help viewer's windows as dialog templates: the font size, sizes and
// positions in dialog units, the picture buttons with their bitmaps, the
// "FECHAR" button.
#pragma once

#include <QString>

#include <vector>

struct RetanguloDlu {
    int x, y, largura, altura;  // dialog units
};

// A picture button: its control id, the top-left corner of its picture and
// its bitmap's name ("" for an owner-drawn button without picture).
struct BotaoModelo {
    int id;
    int x, y;
    QString bitmap;
};

struct ModeloDialogo {
    int modelo;              // the template number
    QString titulo;
    int largura, altura;     // client area, dialog units
    double pontosFonte;      // size of the template's Times New Roman
    RetanguloDlu fechar;     // the "FECHAR" button
    std::vector<BotaoModelo> botoes;
    // The bitmaps in the order they are loaded; loading stops at the first
    // that is missing.
    std::vector<QString> ordemCarga;
};

// A button of the main dialog and the topic it opens.
struct EntradaPrincipal {
    BotaoModelo botao;
    int topico;  // template number
};

inline constexpr int MODELO_PRINCIPAL = 129;

// The main dialog (template 129) and its eight entries.
const ModeloDialogo& modeloPrincipal();
const std::vector<EntradaPrincipal>& entradasPrincipais();

// A topic dialog by template number (131, 132, 133, 135, 137, 140, 141,
// 142), or none.
const ModeloDialogo* modeloTopico(int modelo);
const std::vector<ModeloDialogo>& modelosTopicos();
