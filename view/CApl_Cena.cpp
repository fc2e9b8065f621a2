// The 3D scene's part of start-up.
#include "app/CApl.h"

#include "core/scene/CenaPadrao.h"

bool CApl::mCarregaCena() { return carregaCenaPadrao(cena); }
