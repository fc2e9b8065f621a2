// The link to a remote tutor: one TCP connection over IPv4, opened at
// start-up, on which the game sends its terms and from which it reads the
// tutor's text. During a match nothing here waits: input is polled, sends
// are handed to the system. A link that fails is dropped without a word and
// the game goes on as a game without a tutor, while it tries the link again
// in the background; a tutor that only stops sending keeps it.
//
// The pupil may give the tutor a name: the game then also tells the tutor
// who plays, when a match starts and ends, and what the pupil writes in the
// Conversa window. Without a name it sends only the terms every game sends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class Dialogos;

// 1 while the tutor link is up.
extern int gComTutor;

// How long the connection may take before it counts as failed.
inline constexpr int LIMITE_CONEXAO_MS = 5000;
// The port the port dialog offers.
inline constexpr const char* PORTA_PADRAO = "6999";
// How often a link that dropped is tried again.
inline constexpr uint32_t INTERVALO_RECONEXAO_MS = 5000;

// What the Conversa window says when the link drops and when it is back.
inline constexpr const char* TEXTO_CONEXAO_PERDIDA = "Conexão com o professor perdida; tentando de novo...";
inline constexpr const char* TEXTO_CONECTADO_DE_NOVO = "Conectado de novo.";

// Asks for the tutor's computer ("Configura Comunicação com Tutor"), looks
// its name up, asks for the port ("Número da Porta", read as atoi reads,
// its low 16 bits) and the pupil's name ("Nome do Aluno", offered from the
// last run and kept for the next; "Cancelar" or a blank name: none), and
// connects, keeping the event loop alive, for at most limiteMs. The
// outcome is gComTutor; nothing is shown here. Connected with a name, the
// tutor is told it.
void ConectaTutor(Dialogos& dialogos, int limiteMs = LIMITE_CONEXAO_MS);

// Closes the link for good and clears the flag and the name.
void DesconectaTutor();

// The pupil's name given to the tutor; "" none.
const std::string& NomeAluno();

// Between polls, on a timer (agoraMs: the platform's clock): sends what
// waits and notices a tutor that went away; a link that dropped is tried
// again, never waiting, every INTERVALO_RECONEXAO_MS. With a name, a tutor
// whose text ended is told the name once more, which a tutor that went
// away answers with a reset. The Conversa window says when the link drops
// and when it is back.
void CuidaDoTutor(uint32_t agoraMs);

// Whether the link dropped and is being tried again.
bool ReconectandoTutor();

// Sends the text's bytes, with nothing added; what the network does not
// take at once goes out at the next poll. A failure drops the link.
void EnviaTutor(const std::string& texto);

// Reads at most capacidade bytes that are waiting, without waiting for
// more; what is not read stays in the network. True when bytes were read;
// false when nothing was waiting, or when the link failed (it is then
// dropped).
bool RecebeTutor(char* buffer, std::size_t capacidade, std::size_t& lidos);
