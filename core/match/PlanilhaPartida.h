// A match's record as a Brazilian spreadsheet opens it: simula's columns,
// fields separated by ';', numbers with a decimal comma, UTF-8 with a byte
// order mark, one row a reading, and in the last column what happened since
// the row before, in words.
#pragma once

#include "core/match/RegistroPartida.h"

#include <ostream>

void escrevePlanilha(const RegistroPartida& registro, std::ostream& saida);
