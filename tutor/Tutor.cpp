#include "tutor/Tutor.h"

int gComTutor = 0;

void ConectaTutor() {
    // No network link can be made yet: the attempt ends with the flag clear.
    gComTutor = 0;
}
