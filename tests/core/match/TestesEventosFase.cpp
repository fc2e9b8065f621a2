#include "core/lake/Aleatorio.h"
#include "core/match/EventosFase.h"

#include <gtest/gtest.h>

namespace {

TabelaFase tabela(const char* texto) {
    TabelaFase t;
    interpretaFase(texto, t);
    return t;
}

class EventosFase : public testing::Test {
protected:
    EventosFase() {
        gIndiceEvento = 0;
        gContaInterventor = 0;
        semeiaAleatorio(5);
    }
};

TEST_F(EventosFase, CodigoOnzeEhAGasolinaEDozeNaoExiste) {
    const TabelaFase t = tabela("10 11 20 12 30 3");
    EXPECT_EQ(sorteiaEventoFase(t).interventor, 8u);
    agendaProximoEvento(t, 130);
    EXPECT_EQ(sorteiaEventoFase(t).interventor, 9u);
    agendaProximoEvento(t, 130);
    EXPECT_EQ(sorteiaEventoFase(t).interventor, 0u);
}

TEST_F(EventosFase, CadaEventoSorteiaUmNumeroQualquerQueSejaOCodigo) {
    const TabelaFase t = tabela("10 0 20 2");
    semeiaAleatorio(5);
    aleatorio();
    const uint32_t esperado = aleatorio() % 9;
    semeiaAleatorio(5);
    EXPECT_EQ(sorteiaEventoFase(t).evento, EVENTO_NADA);
    agendaProximoEvento(t, 130);
    const EventoSorteado sorteado = sorteiaEventoFase(t);
    EXPECT_EQ(sorteado.evento, EVENTO_SORTEADO);
    EXPECT_EQ(sorteado.interventor, esperado);
}

TEST_F(EventosFase, PeriodoAteOProximoEscalaComOPasso) {
    const TabelaFase t = tabela("30 1 10 2");  // out of order: read as 10 2, 30 1
    EXPECT_EQ(sorteiaEventoFase(t).evento, EVENTO_SORTEADO);
    EXPECT_EQ(agendaProximoEvento(t, 130), 20000u);
    gIndiceEvento = 0;
    EXPECT_EQ(agendaProximoEvento(t, 260), 40000u) << "a slower step stretches the phase";
    EXPECT_EQ(gIndiceEvento, 1u);
}

TEST_F(EventosFase, TemposIguaisSeguemUmLogoDepoisDoOutro) {
    const TabelaFase t = tabela("10 3 10 4 10 1");
    EXPECT_EQ(agendaProximoEvento(t, 130), 10u) << "the shortest period a timer takes";
    EXPECT_EQ(sorteiaEventoFase(t).interventor, 1u);
}

TEST_F(EventosFase, DepoisDaUltimaEntradaNadaMaisEhAgendado) {
    const TabelaFase t = tabela("");
    gIndiceEvento = 98;
    EXPECT_TRUE(agendaProximoEvento(t, 130).has_value());
    EXPECT_FALSE(agendaProximoEvento(t, 130).has_value());
    EXPECT_EQ(gIndiceEvento, 100u);
    // Even so the table is never read past its end.
    EXPECT_EQ(sorteiaEventoFase(t).evento, EVENTO_NADA);
}

}  // namespace
