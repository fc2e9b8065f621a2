#include "view/RenderizadorGL.h"

#include "view/CJanela.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFramebufferObject>
#include <QOpenGLShaderProgram>
#include <QPainter>
#include <QtDebug>

#include <meshoptimizer.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

constexpr float COR_FUNDO[3] = {0.0f, 0.15f, 0.25f};  // the scene's background colour
constexpr float PLANO_FRENTE = 1.0f;                  // front clipping plane, lake units

// Per vertex: position 3, normal 3, diffuse RGBA 4, emissive 3, specular RGB
// 3 and its power 1.
constexpr int FLOATS_VERTICE = 17;

// Compiled for the scene's number of directional lights (NUM_LUZES, put in
// front of it): a loop of known length is unrolled, which llvmpipe shades
// about a tenth faster than a loop over a uniform count. With COM_REALCE
// defined too, for frames that show a highlight.
const char* const SOMBREADOR_MODELO_VERTICES = R"(
layout(location = 0) in vec3 aPosicao;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec4 aDifusa;
layout(location = 3) in vec3 aEmissiva;
layout(location = 4) in vec4 aEspecular;
uniform mat4 uCamera;
uniform mat3 uOrientacao;
uniform vec3 uPosicao;
uniform vec2 uFatia;
uniform vec3 uAmbiente;
uniform vec3 uLuzDirecao[NUM_LUZES + 1];
uniform vec3 uLuzCor[NUM_LUZES + 1];
#ifdef COM_REALCE
uniform vec4 uRealce;  // a highlight: glow added (rgb), own colour dimmed (a)
#endif
out vec4 vCor;
void main() {
    vec3 mundo = uOrientacao * aPosicao + uPosicao;
    vec3 n = normalize(uOrientacao * aNormal);
    vec3 paraCamera = normalize(vec3(0.0, 0.0, -250.0) - mundo);
    vec3 luz = uAmbiente;
    vec3 brilho = vec3(0.0);
    for (int i = 0; i < NUM_LUZES; ++i) {
        vec3 l = -uLuzDirecao[i];
        float d = max(dot(n, l), 0.0);
        luz += uLuzCor[i] * d;
        if (d > 0.0 && aEspecular.w > 0.0)
            brilho += uLuzCor[i] * aEspecular.rgb *
                      pow(max(dot(n, normalize(l + paraCamera)), 0.0), aEspecular.w);
    }
    vec3 cor = aEmissiva + aDifusa.rgb * luz + brilho;
#ifdef COM_REALCE
    // A highlight glows over the whole model and most at its rim.
    float borda = 1.0 - abs(dot(n, paraCamera));
    cor = cor * (1.0 - uRealce.a) + uRealce.rgb * (0.3 + 1.2 * borda * borda);
#endif
    vCor = vec4(min(cor, vec3(1.0)), aDifusa.a);
    gl_Position = uCamera * vec4(mundo, 1.0);
    // The instance's own depth range moved into its slice of the buffer.
    gl_Position.z = gl_Position.z * uFatia.x + gl_Position.w * uFatia.y;
}
)";

const char* const SOMBREADOR_MODELO_FRAGMENTOS = R"(#version 330 core
in vec4 vCor;
out vec4 cor;
void main() { cor = vCor; }
)";

// The background picture over the whole viewport. Frames are drawn upside
// down, so that the rows read back come in the picture's order: the
// picture's first row is at the bottom of the framebuffer.
const char* const SOMBREADOR_FUNDO_VERTICES = R"(#version 330 core
out vec2 vTextura;
void main() {
    vec2 canto = vec2(float(gl_VertexID & 1), float(gl_VertexID >> 1));
    vTextura = canto;
    gl_Position = vec4(canto * 2.0 - 1.0, 0.0, 1.0);
}
)";

const char* const SOMBREADOR_FUNDO_FRAGMENTOS = R"(#version 330 core
in vec2 vTextura;
uniform sampler2D uFundo;
out vec4 cor;
void main() { cor = texture(uFundo, vTextura); }
)";

// The perspective's depth: clip z = A·z + B·w for eye depth w (= z + 250).
constexpr float PROFUNDIDADE_A = (PLANO_FUNDO + PLANO_FRENTE) / (PLANO_FUNDO - PLANO_FRENTE);
constexpr float PROFUNDIDADE_B = -2.0f * PLANO_FUNDO * PLANO_FRENTE / (PLANO_FUNDO - PLANO_FRENTE);

// Lake coordinates to clip space: the camera at (0, 0, −250) looking along
// +z, so that at the plane z = 0 the view spans x ±125 and y ±125·h/w. The
// frame comes out upside down (see the background).
QMatrix4x4 matrizCamera(int largura, int altura) {
    const float escalaX = DISTANCIA_CAMERA / MEIA_LARGURA_LAGO;
    const float escalaY = escalaX * static_cast<float>(largura) / static_cast<float>(altura);
    return QMatrix4x4(escalaX, 0, 0, 0,
                      0, -escalaY, 0, 0,
                      0, 0, PROFUNDIDADE_A, DISTANCIA_CAMERA * PROFUNDIDADE_A + PROFUNDIDADE_B,
                      0, 0, 1, DISTANCIA_CAMERA);
}

// The normalised depth (−1..1) of a point at lake depth z.
float profundidadeNormal(float z) {
    const float w = std::max(z + DISTANCIA_CAMERA, PLANO_FRENTE);
    return PROFUNDIDADE_A + PROFUNDIDADE_B / w;
}

// Instances are drawn one over the other in slot order, each with its own
// depth test inside it: instance k of n gets the k-th slice of the depth
// buffer from the back, and its own depth range, from its bounding sphere,
// is stretched over that slice (a little inside it, so that neighbours never
// share a depth). Later instances are therefore always in front, and each
// model still hides its own back parts. Answers (scale, offset) of the
// normalised depth.
QVector2D fatiaDeProfundidade(int k, int n, float zMin, float zMax) {
    const float largura = 2.0f / static_cast<float>(n);
    const float fundo = 1.0f - largura * static_cast<float>(k);
    const float alto = fundo - largura * 0.02f, baixo = fundo - largura * 0.98f;
    const float d0 = profundidadeNormal(zMin), d1 = profundidadeNormal(zMax);
    const float escala = d1 > d0 ? (alto - baixo) / (d1 - d0) : 0.0f;
    return {escala, baixo - d0 * escala};
}

QMatrix3x3 matriz3(const Matriz3& m) { return QMatrix3x3(m.m.data()); }

// A model as the GPU draws it: each corner of each triangle with its
// material, the equal ones merged into one vertex, the triangles in an order
// that reuses the vertices just shaded, the vertices in the order they are
// first used.
struct MalhaIndexada {
    std::vector<float> vertices;  // FLOATS_VERTICE each
    std::vector<uint32_t> indices;
};

MalhaIndexada indexada(const Malha& malha) {
    std::vector<float> cantos;
    cantos.reserve(malha.triangulos.size() * 3 * FLOATS_VERTICE);
    for (const Triangulo& t : malha.triangulos) {
        const Material& mat = malha.materiais[t.material];
        for (const uint32_t v : t.vertices) {
            const Vetor3 p = malha.vertices[v];
            const Vetor3 n = malha.normais[v];
            cantos.insert(cantos.end(), {p.x, p.y, p.z, n.x, n.y, n.z, mat.difusa[0], mat.difusa[1],
                                         mat.difusa[2], mat.difusa[3], mat.emissiva[0],
                                         mat.emissiva[1], mat.emissiva[2], mat.especular[0],
                                         mat.especular[1], mat.especular[2], mat.potencia});
        }
    }
    const std::size_t numCantos = cantos.size() / FLOATS_VERTICE;
    constexpr std::size_t BYTES = FLOATS_VERTICE * sizeof(float);
    std::vector<unsigned> mapa(numCantos);
    const std::size_t unicos =
        meshopt_generateVertexRemap(mapa.data(), nullptr, numCantos, cantos.data(), numCantos, BYTES);
    MalhaIndexada resultado;
    resultado.indices.resize(numCantos);
    meshopt_remapIndexBuffer(resultado.indices.data(), nullptr, numCantos, mapa.data());
    resultado.vertices.resize(unicos * FLOATS_VERTICE);
    meshopt_remapVertexBuffer(resultado.vertices.data(), cantos.data(), numCantos, BYTES, mapa.data());
    meshopt_optimizeVertexCache(resultado.indices.data(), resultado.indices.data(), numCantos, unicos);
    meshopt_optimizeVertexFetch(resultado.vertices.data(), resultado.indices.data(), numCantos,
                                resultado.vertices.data(), unicos, BYTES);
    return resultado;
}

// The largest stretch of a frame's orientation: the longest of its columns.
float escalaDe(const Matriz3& orientacao) {
    float escala = 0;
    for (const Vetor3 eixo : {Vetor3{1, 0, 0}, Vetor3{0, 1, 0}, Vetor3{0, 0, 1}})
        escala = std::max(escala, comprimento(orientacao * eixo));
    return escala;
}

// A highlighted instance as the sprites see it: the rectangle its turned
// box covers, facing the camera.
AlvoRealce alvoDoRealce(const Instancia& instancia, const Caixa& caixa, int semente) {
    Vetor3 minimo{std::numeric_limits<float>::infinity(), std::numeric_limits<float>::infinity(),
                  std::numeric_limits<float>::infinity()};
    Vetor3 maximo{-minimo.x, -minimo.y, -minimo.z};
    for (int canto = 0; canto < 8; ++canto) {
        const Vetor3 p = instancia.quadro.orientacao *
                         Vetor3{canto & 1 ? caixa.maximo.x : caixa.minimo.x,
                                canto & 2 ? caixa.maximo.y : caixa.minimo.y,
                                canto & 4 ? caixa.maximo.z : caixa.minimo.z};
        minimo = {std::min(minimo.x, p.x), std::min(minimo.y, p.y), std::min(minimo.z, p.z)};
        maximo = {std::max(maximo.x, p.x), std::max(maximo.y, p.y), std::max(maximo.z, p.z)};
    }
    const Vetor3 centro = instancia.quadro.posicao + (minimo + maximo) * 0.5f;
    return {centro, (maximo.x - minimo.x) / 2, (maximo.y - minimo.y) / 2, instancia.realce, semente};
}

bool compila(QOpenGLShaderProgram& programa, const char* vertices, const char* fragmentos) {
    if (!programa.addShaderFromSourceCode(QOpenGLShader::Vertex, vertices) ||
        !programa.addShaderFromSourceCode(QOpenGLShader::Fragment, fragmentos) ||
        !programa.link()) {
        qWarning().noquote() << "Sombreador do lago não compilou:" << programa.log();
        return false;
    }
    return true;
}

}  // namespace

RenderizadorGL::RenderizadorGL(CJanela* janela) : janela(janela) {}

RenderizadorGL::~RenderizadorGL() { mLibera(); }

bool RenderizadorGL::mTornaAtual() { return contexto && superficie && contexto->makeCurrent(superficie.get()); }

bool RenderizadorGL::mCria() {
    mLibera();
    QSurfaceFormat formato;
    formato.setVersion(3, 3);
    formato.setProfile(QSurfaceFormat::CoreProfile);
    formato.setDepthBufferSize(24);

    contexto = std::make_unique<QOpenGLContext>();
    contexto->setFormat(formato);
    superficie = std::make_unique<QOffscreenSurface>();
    superficie->setFormat(formato);
    superficie->create();
    if (!contexto->create() || !superficie->isValid() || !mTornaAtual()) {
        mLibera();
        return false;
    }
    gl = contexto->extraFunctions();
    if (!mCompilaProgramas()) {
        mLibera();
        return false;
    }
    gl->glGenVertexArrays(1, &vaoFundo);
    if (!realce.mCria(gl)) {
        mLibera();
        return false;
    }
    contexto->doneCurrent();
    return true;
}

bool RenderizadorGL::mCompilaProgramas() {
    programaFundo = std::make_unique<QOpenGLShaderProgram>();
    return compila(*programaFundo, SOMBREADOR_FUNDO_VERTICES, SOMBREADOR_FUNDO_FRAGMENTOS) &&
           mCompilaModelo(0);
}

bool RenderizadorGL::mCompilaModelo(int numLuzes) {
    if (programasModelo[0].programa && numLuzes == luzesDoModelo) return true;
    for (std::size_t comRealce = 0; comRealce < programasModelo.size(); ++comRealce) {
        ProgramaModelo& modelo = programasModelo[comRealce];
        modelo.programa = std::make_unique<QOpenGLShaderProgram>();
        const QByteArray vertices = "#version 330 core\n#define NUM_LUZES " + QByteArray::number(numLuzes) +
                                    (comRealce ? "\n#define COM_REALCE" : "") + SOMBREADOR_MODELO_VERTICES;
        if (!compila(*modelo.programa, vertices.constData(), SOMBREADOR_MODELO_FRAGMENTOS)) {
            for (ProgramaModelo& programa : programasModelo) programa = ProgramaModelo{};
            return false;
        }
        modelo.orientacao = modelo.programa->uniformLocation("uOrientacao");
        modelo.posicao = modelo.programa->uniformLocation("uPosicao");
        modelo.fatia = modelo.programa->uniformLocation("uFatia");
        modelo.realce = modelo.programa->uniformLocation("uRealce");
    }
    luzesDoModelo = numLuzes;
    return true;
}

void RenderizadorGL::mLibera() {
    if (contexto && mTornaAtual()) {
        for (ModeloGL& modelo : modelos) mLiberaModelo(modelo);
        if (texturaFundo) gl->glDeleteTextures(1, &texturaFundo);
        if (vaoFundo) gl->glDeleteVertexArrays(1, &vaoFundo);
        realce.mLibera();
        fbo.reset();
        for (ProgramaModelo& programa : programasModelo) programa = ProgramaModelo{};
        programaFundo.reset();
        contexto->doneCurrent();
    }
    modelos.fill(ModeloGL{});
    realce.mLibera();
    texturaFundo = 0;
    vaoFundo = 0;
    fbo.reset();
    for (ProgramaModelo& programa : programasModelo) programa = ProgramaModelo{};
    programaFundo.reset();
    gl = nullptr;
    contexto.reset();
    superficie.reset();
    largura = altura = 0;
}

void RenderizadorGL::mLiberaModelo(ModeloGL& modelo) {
    if (modelo.vbo) gl->glDeleteBuffers(1, &modelo.vbo);
    if (modelo.ebo) gl->glDeleteBuffers(1, &modelo.ebo);
    if (modelo.vao) gl->glDeleteVertexArrays(1, &modelo.vao);
    modelo = ModeloGL{};
}

bool RenderizadorGL::mCriaDispositivo(int novaLargura, int novaAltura) {
    if (!mTornaAtual()) return false;
    fbo = std::make_unique<QOpenGLFramebufferObject>(novaLargura, novaAltura,
                                                     QOpenGLFramebufferObject::Depth);
    const bool valido = fbo->isValid();
    if (!valido) fbo.reset();
    largura = valido ? novaLargura : 0;
    altura = valido ? novaAltura : 0;
    contexto->doneCurrent();
    return valido;
}

void RenderizadorGL::mLiberaDispositivo() {
    if (mTornaAtual()) {
        fbo.reset();
        contexto->doneCurrent();
    }
    largura = altura = 0;
}

bool RenderizadorGL::mTemDispositivo() const { return fbo != nullptr; }

bool RenderizadorGL::mCriaViewport(int novaLargura, int novaAltura) {
    if (!fbo) return false;
    if (fbo->size() == QSize(novaLargura, novaAltura)) return true;
    return mCriaDispositivo(novaLargura, novaAltura);
}

bool RenderizadorGL::mCarregaModelo(int m, const Malha& malha) {
    if (m < 0 || m >= NUM_MODELOS || !mTornaAtual()) return false;
    ModeloGL& modelo = modelos[static_cast<std::size_t>(m)];
    mLiberaModelo(modelo);
    const MalhaIndexada dados = indexada(malha);

    gl->glGenVertexArrays(1, &modelo.vao);
    gl->glBindVertexArray(modelo.vao);
    gl->glGenBuffers(1, &modelo.vbo);
    gl->glBindBuffer(GL_ARRAY_BUFFER, modelo.vbo);
    gl->glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(dados.vertices.size() * sizeof(float)),
                     dados.vertices.data(), GL_STATIC_DRAW);
    gl->glGenBuffers(1, &modelo.ebo);
    gl->glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, modelo.ebo);
    gl->glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                     static_cast<GLsizeiptr>(dados.indices.size() * sizeof(uint32_t)),
                     dados.indices.data(), GL_STATIC_DRAW);
    const GLsizei passo = FLOATS_VERTICE * sizeof(float);
    const std::array<std::pair<int, int>, 5> atributos = {{{3, 0}, {3, 3}, {4, 6}, {3, 10}, {4, 13}}};
    for (GLuint i = 0; i < atributos.size(); ++i) {
        gl->glEnableVertexAttribArray(i);
        gl->glVertexAttribPointer(i, atributos[i].first, GL_FLOAT, GL_FALSE, passo,
                                  reinterpret_cast<const void*>(atributos[i].second * sizeof(float)));
    }
    gl->glBindVertexArray(0);
    modelo.indices = static_cast<int>(dados.indices.size());
    modelo.raio = malha.raio;
    modelo.caixa = malha.caixa;
    modelo.translucido = std::any_of(malha.materiais.begin(), malha.materiais.end(),
                                     [](const Material& m) { return m.difusa[3] < 1.0f; });
    const bool ok = gl->glGetError() == GL_NO_ERROR;
    contexto->doneCurrent();
    return ok;
}

bool RenderizadorGL::mCarregaFundo(const std::string& arquivo) {
    const QImage imagem = QImage(QString::fromStdString(arquivo)).convertToFormat(QImage::Format_RGBA8888);
    if (imagem.isNull() || !mTornaAtual()) return false;
    if (texturaFundo) gl->glDeleteTextures(1, &texturaFundo);
    gl->glGenTextures(1, &texturaFundo);
    gl->glBindTexture(GL_TEXTURE_2D, texturaFundo);
    gl->glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    gl->glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, imagem.width(), imagem.height(), 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, imagem.constBits());
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    const bool ok = gl->glGetError() == GL_NO_ERROR;
    contexto->doneCurrent();
    return ok;
}

bool RenderizadorGL::mRenderiza(const CCena3D& cena) {
    if (!fbo || !mTornaAtual()) return false;
    fbo->bind();
    gl->glViewport(0, 0, largura, altura);
    gl->glClearColor(COR_FUNDO[0], COR_FUNDO[1], COR_FUNDO[2], 1.0f);
    gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    mDesenhaFundo();
    // A highlight's halos and bands go behind the beings, its sparkles over
    // them (mDesenhaInstancias).
    const bool comRealce = cena.mTemRealce();
    if (comRealce) {
        mPreparaRealce(cena);
        realce.mDesenhaAtras(matrizCamera(largura, altura));
    }
    mDesenhaInstancias(cena, comRealce);
    // The frame was drawn upside down: its rows come back in the picture's order.
    if (quadro.size() != QSize(largura, altura)) quadro = QImage(largura, altura, QImage::Format_RGB32);
    gl->glPixelStorei(GL_PACK_ALIGNMENT, 4);
    gl->glReadPixels(0, 0, largura, altura, GL_BGRA, GL_UNSIGNED_BYTE, quadro.bits());
    fbo->release();
    const bool ok = gl->glGetError() == GL_NO_ERROR && !quadro.isNull();
    contexto->doneCurrent();
    return ok;
}

void RenderizadorGL::mDesenhaFundo() {
    if (!texturaFundo) return;
    gl->glDisable(GL_DEPTH_TEST);
    gl->glDisable(GL_BLEND);
    programaFundo->bind();
    gl->glActiveTexture(GL_TEXTURE0);
    gl->glBindTexture(GL_TEXTURE_2D, texturaFundo);
    programaFundo->setUniformValue("uFundo", 0);
    gl->glBindVertexArray(vaoFundo);
    gl->glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    gl->glBindVertexArray(0);
    programaFundo->release();
}

void RenderizadorGL::mPreparaRealce(const CCena3D& cena) {
    alvosRealce.clear();
    for (int g = 0; g < NUM_GRUPOS; ++g)
        for (int i = 0; i < NUM_SLOTS_GRUPO; ++i) {
            const Instancia& instancia = cena.mInstancia(g, i);
            if (!instancia.ocupada || instancia.modelo < 0 || instancia.realce.sentido == 0) continue;
            const ModeloGL& modelo = modelos[static_cast<std::size_t>(instancia.modelo)];
            if (modelo.vao) alvosRealce.push_back(alvoDoRealce(instancia, modelo.caixa, g * NUM_SLOTS_GRUPO + i));
        }
    realce.mPrepara(alvosRealce, cena);
}

void RenderizadorGL::mPreparaModelo(const ProgramaModelo& sombreador, const CCena3D& cena) {
    constexpr int MAX_LUZES = 8;
    QOpenGLShaderProgram& programa = *sombreador.programa;
    programa.bind();
    programa.setUniformValue("uCamera", matrizCamera(largura, altura));
    QVector3D ambiente;
    for (const Luz& luz : cena.mLuzesAmbiente())
        if (luz.ativa) ambiente += QVector3D(luz.cor[0], luz.cor[1], luz.cor[2]);
    programa.setUniformValue("uAmbiente", ambiente);
    int numLuzes = 0;
    for (const Luz& luz : cena.mLuzesDirecionais()) {
        if (!luz.ativa || numLuzes == MAX_LUZES) continue;
        const Vetor3 direcao = cena.mInstancia(luz.grupo, luz.slot).quadro.orientacao * Vetor3{0, 0, 1};
        const QByteArray indice = QByteArray::number(numLuzes);
        programa.setUniformValue(("uLuzDirecao[" + indice + "]").constData(),
                                 QVector3D(direcao.x, direcao.y, direcao.z));
        programa.setUniformValue(("uLuzCor[" + indice + "]").constData(),
                                 QVector3D(luz.cor[0], luz.cor[1], luz.cor[2]));
        ++numLuzes;
    }
}

void RenderizadorGL::mEstadoDosModelos() {
    gl->glEnable(GL_DEPTH_TEST);
    gl->glDepthFunc(GL_LESS);
    gl->glEnable(GL_CULL_FACE);
    gl->glFrontFace(GL_CCW);  // clockwise in the lake, counter-clockwise upside down
    gl->glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void RenderizadorGL::mDesenhaInstancias(const CCena3D& cena, bool comRealce) {
    constexpr int MAX_LUZES = 8;
    int numLuzes = 0;
    for (const Luz& luz : cena.mLuzesDirecionais()) numLuzes += luz.ativa;
    if (!mCompilaModelo(std::min(numLuzes, MAX_LUZES))) return;
    // Only highlighted instances take the program with the glow.
    if (comRealce) mPreparaModelo(programasModelo[1], cena);
    mPreparaModelo(programasModelo[0], cena);
    const ProgramaModelo* sombreador = &programasModelo[0];

    // A model is right on its own (depth test inside it); instances go one
    // over the other in slot order, each in its own depth slice; a group
    // with depth buffering shares one slice among its instances.
    desenhos.clear();
    int fatias = 0;
    for (int g = 0; g < NUM_GRUPOS; ++g) {
        const bool profundidadeComum = cena.mZBufferLigado(g);
        const std::size_t primeiroDoGrupo = desenhos.size();
        for (int i = 0; i < NUM_SLOTS_GRUPO; ++i) {
            const Instancia& instancia = cena.mInstancia(g, i);
            if (!instancia.ocupada || instancia.modelo < 0) continue;
            const ModeloGL& modelo = modelos[static_cast<std::size_t>(instancia.modelo)];
            if (!modelo.vao) continue;
            const float raio = modelo.raio * escalaDe(instancia.quadro.orientacao);
            const float z = instancia.quadro.posicao.z;
            const int fatia = profundidadeComum && desenhos.size() > primeiroDoGrupo
                                  ? desenhos[primeiroDoGrupo].fatia : fatias++;
            desenhos.push_back({&instancia, g, fatia, z - raio, z + raio});
        }
        if (!profundidadeComum) continue;
        // The group's slice holds all its instances' depths.
        float zMin = std::numeric_limits<float>::infinity(), zMax = -zMin;
        for (std::size_t k = primeiroDoGrupo; k < desenhos.size(); ++k) {
            zMin = std::min(zMin, desenhos[k].zMin);
            zMax = std::max(zMax, desenhos[k].zMax);
        }
        for (std::size_t k = primeiroDoGrupo; k < desenhos.size(); ++k) {
            desenhos[k].zMin = zMin;
            desenhos[k].zMax = zMax;
        }
    }

    mEstadoDosModelos();
    // Blending an opaque colour gives that colour: only translucent models
    // blend. Every few instances the drawing so far goes to the rasteriser,
    // which (in software) then works while the next ones are shaded; so the
    // highlights' sparkles, which go over the beings, are drawn as soon as
    // the beings are, while the rest is still to shade.
    constexpr std::size_t ENTREGA = 10;
    bool misturando = false;
    bool faiscas = !comRealce;  // drawn already, or none to draw
    for (std::size_t k = 0; k <= desenhos.size(); ++k) {
        if (!faiscas && (k == desenhos.size() || desenhos[k].grupo != GRUPO_SERES)) {
            realce.mDesenhaFrente(matrizCamera(largura, altura));
            faiscas = true;
            misturando = false;
            mEstadoDosModelos();
            sombreador->programa->bind();
        }
        if (k == desenhos.size()) break;
        const Desenho& desenho = desenhos[k];
        const Instancia& instancia = *desenho.instancia;
        const ModeloGL& modelo = modelos[static_cast<std::size_t>(instancia.modelo)];
        if (modelo.translucido != misturando) {
            misturando = modelo.translucido;
            if (misturando) gl->glEnable(GL_BLEND);
            else gl->glDisable(GL_BLEND);
        }
        if (k > 0 && k % ENTREGA == 0) gl->glFlush();
        const ProgramaModelo* deste = &programasModelo[comRealce && instancia.realce.sentido != 0];
        if (deste != sombreador) {
            sombreador = deste;
            sombreador->programa->bind();
        }
        QOpenGLShaderProgram& programa = *sombreador->programa;
        const Vetor3 p = instancia.quadro.posicao;
        programa.setUniformValue(sombreador->orientacao, matriz3(instancia.quadro.orientacao));
        programa.setUniformValue(sombreador->posicao, QVector3D(p.x, p.y, p.z));
        programa.setUniformValue(sombreador->fatia,
                                 fatiaDeProfundidade(desenho.fatia, fatias, desenho.zMin, desenho.zMax));
        if (sombreador == &programasModelo[1])
            programa.setUniformValue(sombreador->realce, brilhoDoModelo(instancia.realce));
        gl->glBindVertexArray(modelo.vao);
        gl->glDrawElements(GL_TRIANGLES, modelo.indices, GL_UNSIGNED_INT, nullptr);
    }
    gl->glBindVertexArray(0);
    gl->glDisable(GL_CULL_FACE);
    gl->glDisable(GL_DEPTH_TEST);
    gl->glDisable(GL_BLEND);
    sombreador->programa->release();
}

bool RenderizadorGL::mApresenta(int x, int y) {
    if (quadro.isNull()) return false;
    if (!janela) return true;
    QImage& destino = janela->mImagem();
    if (destino.isNull()) return false;
    QPainter pintor(&destino);
    pintor.drawImage(x, y, quadro);
    pintor.end();
    janela->mMostraImagem(QRect(QPoint(x, y), quadro.size()));
    return true;
}
