// The link to a remote tutor: one TCP connection over IPv4, opened at
// start-up, on which the game sends its terms and from which it reads the
// tutor's text. During a match nothing here waits: input is polled, sends
// are handed to the system. A link that fails is dropped without a word and
// the game goes on as a game without a tutor; a tutor that only stops
// sending keeps it.
#pragma once

#include <cstddef>
#include <string>

class Dialogos;

// 1 while the tutor link is up.
extern int gComTutor;

// How long the connection may take before it counts as failed.
inline constexpr int LIMITE_CONEXAO_MS = 5000;
// The port the port dialog offers.
inline constexpr const char* PORTA_PADRAO = "6999";

// Asks for the tutor's computer ("Configura Comunicação com Tutor"), looks
// its name up, asks for the port ("Número da Porta", read as atoi reads,
// its low 16 bits) and connects, keeping the event loop alive, for at most
// limiteMs. The outcome is gComTutor; nothing is shown here.
void ConectaTutor(Dialogos& dialogos, int limiteMs = LIMITE_CONEXAO_MS);

// Closes the link and clears the flag; nothing when it is not up.
void DesconectaTutor();

// Sends the text's bytes, with nothing added; what the network does not
// take at once goes out at the next poll. A failure drops the link.
void EnviaTutor(const std::string& texto);

// Reads at most capacidade bytes that are waiting, without waiting for
// more; what is not read stays in the network. True when bytes were read;
// false when nothing was waiting, or when the link failed (it is then
// dropped).
bool RecebeTutor(char* buffer, std::size_t capacidade, std::size_t& lidos);
