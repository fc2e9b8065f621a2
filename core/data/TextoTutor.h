// The tutor's bytes as text for the Conversa window. Each block read from
// the link becomes UTF-8: read as UTF-8 when its bytes are valid UTF-8,
// otherwise as Windows-1252. A character or a line break split between two
// reads is completed by the next read; the start of a character that
// nothing completes is shown as Windows-1252 at the next poll. Only a
// carriage return followed by a line feed breaks the line; a lone one
// shows as a blank. Other control
// characters, which could not be shown, become U+FFFD; nothing is dropped.
#pragma once

#include <string>
#include <string_view>

class DecodificadorTutor {
public:
    // The text of one block, in UTF-8, without its held-back end: an
    // incomplete UTF-8 character or a final carriage return waits for the
    // next block.
    std::string mDecodifica(std::string_view bytes);

    // The held-back start of a character, when nothing came to complete
    // it: those bytes were Windows-1252 letters after all. A final carriage
    // return keeps waiting.
    std::string mEsvazia();

private:
    std::string pendente;
};

// Whether the bytes are UTF-8 but for an incomplete last character; its
// length (0 to 3 bytes) goes to incompleto.
bool utf8ValidoAteOFim(std::string_view bytes, std::size_t& incompleto);

// Bytes from a file as readable UTF-8: the bytes themselves when they are
// UTF-8, else read as Windows-1252 (what older programs wrote).
std::string textoLegivel(std::string_view bytes);
