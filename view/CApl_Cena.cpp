// The 3D scene's part of start-up.
#include "app/CApl.h"

#include "view/CenaPadrao.h"

bool CApl::mCarregaCena() { return carregaCenaPadrao(cena); }
