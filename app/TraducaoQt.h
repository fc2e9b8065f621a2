// Qt's own texts (file dialogs, standard buttons) in Brazilian Portuguese,
// like everything else the programs show.
#pragma once

// Installs Qt's pt_BR translation when the system has it; once a run.
void instalaTraducaoQt();
