#include "view/JanelaResumo.h"

#include "core/data/ArquivoFase.h"
#include "core/match/EventosFase.h"
#include "core/match/PlanilhaPartida.h"
#include "core/match/Personagens.h"
#include "core/platform/Plataforma.h"
#include "view/GraficoEcometro.h"

#include <QChart>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPixmap>
#include <QPushButton>
#include <QScatterSeries>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <sstream>

namespace {

constexpr int LARGURA = 760, ALTURA = 620;  // pixels, at most: the window fits an 800 × 600 screen too
constexpr int ALTURA_GRAFICO = 300;

constexpr std::array<const char*, NUM_ESPECIES> NOMES_ESPECIES = {
    "Peixes Gordos", "Peixes Azuis", "Peixes Listrados", "Algas", "Microorganismos"};
const std::array<QColor, NUM_ESPECIES> CORES_ESPECIES = {
    QColor(0xe0, 0x7b, 0x24), QColor(0x2f, 0x7f, 0xd0), QColor(0x8e, 0x5c, 0xc4),
    QColor(0x3a, 0x9a, 0x3a), QColor(0xc9, 0x4f, 0x8f)};
// Each character's tools in its own colour.
const std::array<QColor, NUM_PERSONAGENS> CORES_PERSONAGENS = {
    QColor(0x2e, 0x7d, 0x32), QColor(0x15, 0x65, 0xc0), QColor(0xef, 0x6c, 0x00), QColor(0x6a, 0x1b, 0x9a)};
const QColor COR_ECOMETRO(0x26, 0x32, 0x38);
const QColor COR_POLUIDOR(0xc0, 0x50, 0x30);
// The colour zones' own colours, for the time spent in each.
const std::array<QColor, 3> CORES_ZONAS = {QColor(0x3c, 0xaa, 0x50), QColor(0xf5, 0xc8, 0x00),
                                           QColor(0xdc, 0x3c, 0x32)};
constexpr std::array<CorEcometro, 3> ZONAS = {ECOMETRO_VERDE, ECOMETRO_AMARELO, ECOMETRO_VERMELHO};

QString qt(const std::string& texto) { return QString::fromStdString(texto); }

double segundosDoPasso(const RegistroPartida& registro, uint32_t passo) {
    return static_cast<double>(passo) * registro.mPeriodoMs() / 1000.0;
}

QString html(const QString& texto) { return texto.toHtmlEscaped(); }

}  // namespace

JanelaResumo::JanelaResumo(QWidget* principal)
    : QWidget(principal, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                             Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint) {
    setWindowTitle(TITULO_RESUMO);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* coluna = new QVBoxLayout(this);
    coluna->setContentsMargins(8, 8, 8, 8);

    titulo = new QLabel(this);
    QFont grande = titulo->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.2);
    grande.setBold(true);
    titulo->setFont(grande);
    coluna->addWidget(titulo);

    grafico = new GraficoEcometro(this);
    grafico->setMinimumHeight(ALTURA_GRAFICO / 2);
    coluna->addWidget(grafico, 1);
    // The chart's own legend cuts long names short; this one wraps.
    legenda = new QLabel(this);
    legenda->setTextFormat(Qt::RichText);
    legenda->setWordWrap(true);
    coluna->addWidget(legenda);

    cores = new QLabel(this);
    cores->setTextFormat(Qt::RichText);
    coluna->addWidget(cores);
    seres = new QLabel(this);
    seres->setWordWrap(true);
    coluna->addWidget(seres);

    frases = new QLabel(this);
    frases->setTextFormat(Qt::RichText);
    frases->setWordWrap(true);
    QFont legivel = frases->font();
    legivel.setPointSizeF(legivel.pointSizeF() * 1.1);
    frases->setFont(legivel);
    coluna->addWidget(frases);

    auto* botoes = new QHBoxLayout;
    auto* imagem = new QPushButton("Salvar &imagem...", this);
    auto* dados = new QPushButton("Salvar &dados...", this);
    auto* fechar = new QPushButton("&Fechar", this);
    botoes->addWidget(imagem);
    botoes->addWidget(dados);
    botoes->addStretch(1);
    botoes->addWidget(fechar);
    coluna->addLayout(botoes);
    connect(imagem, &QPushButton::clicked, this, [this] {
        mPedeArquivo("Salvar imagem do gráfico", "resumo-partida.png", "Imagens PNG (*.png)",
                     &JanelaResumo::mSalvaImagem);
    });
    connect(dados, &QPushButton::clicked, this, [this] {
        mPedeArquivo("Salvar dados da partida", "resumo-partida.csv", "Planilhas CSV (*.csv)",
                     &JanelaResumo::mSalvaDados);
    });
    connect(fechar, &QPushButton::clicked, this, &QWidget::close);
}

void JanelaResumo::mMostra(const RegistroPartida& novo, const std::string& fase) {
    registro = novo;
    resumo = resumoDaPartida(registro);
    mDesenhaGrafico();
    mPreencheTextos(fase);
    mPosiciona();
    show();
    raise();
}

void JanelaResumo::mDesenhaGrafico() {
    auto* grafico = new QChart;
    grafico->setBackgroundVisible(false);  // the zones are drawn behind it
    grafico->legend()->hide();
    this->grafico->setChart(grafico);  // deletes the old one
    const auto& leituras = registro.mLeituras();
    double teto = 100;

    std::array<QLineSeries*, NUM_ESPECIES> especies{};
    for (std::size_t e = 0; e < NUM_ESPECIES; ++e) {
        especies[e] = new QLineSeries;
        especies[e]->setName(NOMES_ESPECIES[e]);
        especies[e]->setPen(QPen(CORES_ESPECIES[e], 1.5));
    }
    auto* ecometro = new QLineSeries;
    ecometro->setName("ecômetro");
    ecometro->setPen(QPen(COR_ECOMETRO, 3));
    for (const LeituraLago& leitura : leituras) {
        const double t = segundosDoPasso(registro, leitura.passo);
        for (std::size_t e = 0; e < NUM_ESPECIES; ++e)
            especies[e]->append(t, leitura.energia[e] / ESCALA_ECOMETRO * 100.0);
        ecometro->append(t, leitura.mPercentual());
        teto = std::max(teto, leitura.mPercentual());
    }
    for (QLineSeries* serie : especies) grafico->addSeries(serie);
    grafico->addSeries(ecometro);

    // Each tool used, a star on the eco-meter's line at every use.
    std::map<std::pair<uint32_t, uint32_t>, QScatterSeries*> ferramentas;
    std::vector<GraficoEcometro::Marca> marcas;
    for (const MarcaPartida& marca : registro.mMarcas()) {
        const double t = segundosDoPasso(registro, marca.passo);
        if (marca.tipo == MarcaPartida::POLUIDOR) {
            marcas.push_back({t, qt(nomeEventoFase(static_cast<int32_t>(marca.a + EVENTO_PRIMEIRO_INTERVENTOR))),
                              COR_POLUIDOR});
        } else if (marca.tipo == MarcaPartida::FERRAMENTA) {
            QScatterSeries*& serie = ferramentas[{marca.a, marca.b}];
            if (!serie) {
                serie = new QScatterSeries;
                serie->setName(ferramentaPersonagem(marca.a, marca.b).nome);
                serie->setMarkerShape(QScatterSeries::MarkerShapeStar);
                serie->setMarkerSize(16);
                serie->setColor(CORES_PERSONAGENS.at(marca.a).lighter(100 + 25 * static_cast<int>(marca.b)));
                serie->setBorderColor(CORES_PERSONAGENS.at(marca.a).darker(150));
            }
            serie->append(t, registro.mLeituraEm(marca.passo + 1).mPercentual());
        }
    }
    for (const auto& [ferramenta, serie] : ferramentas) grafico->addSeries(serie);
    this->grafico->mDefineMarcas(std::move(marcas));

    QStringList nomes;
    const auto item = [&nomes](const QString& simbolo, const QColor& cor, const QString& nome) {
        // An entry is never broken across lines.
        nomes << QString("<span style=\"color:%1; font-size:large\">%2</span>&nbsp;%3")
                     .arg(cor.name(), simbolo, html(nome).replace(' ', "&nbsp;"));
    };
    item("&#9644;", COR_ECOMETRO, "ecômetro");
    nomes << "&nbsp; energia&nbsp;de&nbsp;cada&nbsp;ser:";
    for (std::size_t e = 0; e < NUM_ESPECIES; ++e) item("&#9644;", CORES_ESPECIES[e], NOMES_ESPECIES[e]);
    if (!ferramentas.empty()) nomes << "&nbsp; ferramentas&nbsp;usadas:";
    for (const auto& [ferramenta, serie] : ferramentas) item("&#9733;", serie->color(), serie->name());
    legenda->setText(nomes.join(" &nbsp; "));
    this->grafico->mEixos(segundosDoPasso(registro, leituras.back().passo), std::ceil(teto / 20) * 20, true);
}

void JanelaResumo::mPreencheTextos(const std::string& fase) {
    titulo->setText(QString("Fim da partida: %1 de jogo%2")
                        .arg(qt(tempoPartida(resumo.msPartida)))
                        .arg(fase.empty() ? QString() : " — fase " + qt(fase)));

    QString texto = "Tempo em cada cor: ";
    for (std::size_t i = 0; i < ZONAS.size(); ++i)
        texto += QString("<span style=\"background-color:%1; color:%2\">&nbsp;<b>%3</b> %4&nbsp;</span>&nbsp; ")
                     .arg(CORES_ZONAS[i].name(), i == 1 ? "#333333" : "#ffffff", nomeCorEcometro(ZONAS[i]),
                          qt(tempoPartida(resumo.msNaCor[i])));
    texto += QString("&nbsp; No fim: <b>%1</b> (%2 %)")
                 .arg(nomeCorEcometro(resumo.corFinal))
                 .arg(static_cast<int>(std::floor(resumo.ecometroFinal)));
    cores->setText(texto);

    QStringList restantes;
    for (std::size_t e = 0; e < NUM_ESPECIES; ++e)
        restantes << QString("%1: %2").arg(NOMES_ESPECIES[e]).arg(resumo.seresFinais[e]);
    seres->setText("Seres no lago no fim: " + restantes.join(" · "));

    QString lista = "<ul style=\"margin-left:-20px\">";
    for (const std::string& frase : resumo.frases) lista += "<li>" + html(qt(frase)) + "</li>";
    frases->setText(lista + "</ul>");
}

void JanelaResumo::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape) close();
    else QWidget::keyPressEvent(evento);
}

void JanelaResumo::mPosiciona() {
    QWidget* principal = parentWidget();
    const QScreen* tela = principal ? principal->screen() : QGuiApplication::primaryScreen();
    const QRect livre = tela ? tela->availableGeometry() : QRect(0, 0, LARGURA, ALTURA);
    resize(std::min(LARGURA, livre.width()), std::min(ALTURA, livre.height() - 40));
    if (!principal) return;
    // Beside the game when there is room on its right or left; else over its right edge.
    const QRect jogo = principal->frameGeometry();
    int x = jogo.right() + 1;
    if (x + width() > livre.right()) x = jogo.left() - width() - 1;
    if (x < livre.left()) x = livre.right() - width();
    const int y = std::clamp(jogo.top(), livre.top(), std::max(livre.top(), livre.bottom() - height() - 30));
    move(x, y);
}

bool JanelaResumo::mSalvaImagem(const QString& arquivo) const {
    if (grafico->grab().save(arquivo, "PNG")) return true;
    mostraAviso("Não foi possível salvar a imagem em\n" + arquivo.toStdString());
    return false;
}

bool JanelaResumo::mSalvaDados(const QString& arquivo) const {
    std::ostringstream planilha;
    escrevePlanilha(registro, planilha);
    const std::string bytes = planilha.str();
    QFile saida(arquivo);
    if (saida.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        saida.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size()) &&
        saida.flush())
        return true;
    mostraAviso("Não foi possível salvar os dados em\n" + arquivo.toStdString());
    return false;
}

void JanelaResumo::mPedeArquivo(const QString& tituloDialogo, const QString& nome, const QString& filtro,
                                bool (JanelaResumo::*salva)(const QString&) const) {
    const QString pasta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString arquivo = QFileDialog::getSaveFileName(this, tituloDialogo, pasta + "/" + nome, filtro);
    if (!arquivo.isEmpty()) (this->*salva)(arquivo);
}
