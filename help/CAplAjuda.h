// The help viewer's application: runs the main dialog; its end is the end
// of the program.
#pragma once

class CAplAjuda {
public:
    int mExecuta();
};
