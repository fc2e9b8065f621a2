#include "lake/CTabelaAgentes.h"

void CTabelaAgentes::mLimpa() { ativa = 0; }
