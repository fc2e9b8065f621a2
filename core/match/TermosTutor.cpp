#include "core/match/TermosTutor.h"

#include <array>

namespace {
constexpr std::array<std::array<const char*, NUM_FERRAMENTAS>, 2> EVENTOS = {{
    {"e1", "e2", "e3", "e4"},  // Mãe Natureza
    {"e5", "e6", "e7", "e8"},  // Pescador
}};
}  // namespace

std::string termoEcometro(int32_t percentual) {
    return "[sense(ecometro(" + std::to_string(percentual) + "))]";
}

const char* eventoTutor(uint32_t personagem, uint32_t ferramenta) {
    if (personagem >= EVENTOS.size() || ferramenta >= NUM_FERRAMENTAS) return nullptr;
    return EVENTOS[personagem][ferramenta];
}

std::string termoAcao(const char* evento, uint32_t passosPartida) {
    const std::string nome = evento;
    return "happens(" + nome + "," + std::to_string(passosPartida) + ")\nact(" + nome + ",(acao))";
}

std::optional<std::string> termoDoEvento(const EventoPartida& evento, uint32_t passosPartida) {
    switch (evento.tipo) {
    case EventoPartida::COR:
        return termoEcometro(evento.percentual);
    case EventoPartida::FERRAMENTA:
        if (const char* nome = eventoTutor(evento.a, evento.b)) return termoAcao(nome, passosPartida);
        return std::nullopt;
    default:
        return std::nullopt;
    }
}
