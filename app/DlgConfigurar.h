// "Configurar": the phase file suggested at every match start and the main
// window's size for the next run ("&Pequena" 70 %, "&Grande" 90 %).
#pragma once

#include <QDialog>

#include <cstdint>
#include <string>

class QLabel;
class QLineEdit;

class DlgConfigurar : public QDialog {
public:
    DlgConfigurar(QWidget* dono, const std::string& faseSugerida, uint32_t tamanho);

    // The phase as the field holds it (the name as it came when left as
    // shown), at most 299 characters, and the chosen size.
    std::string mFase() const;
    uint32_t mTamanho() const { return tamanho; }

private:
    // ">>>" beside the button of the chosen size, " " beside the other.
    void mMarca();

    QLineEdit* fase;
    std::string faseOriginal;
    QLabel* marcaPequena;
    QLabel* marcaGrande;
    uint32_t tamanho;
};
