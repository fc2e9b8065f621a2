// A first read of a text .x model file that checks its structure before the
// importer sees it: the importer trusts the counts and indices it reads, so a
// damaged file could make it allocate without end or read outside its
// arrays. Every count must fit what the file holds and be followed by that
// many values; every face index must name a vertex (or normal) of its mesh,
// every material index a material of its list; braces must balance.
#pragma once

#include <string_view>

// True when the text is a text .x file ("xof 0303txt") that holds together.
bool estruturaXValida(std::string_view texto);
