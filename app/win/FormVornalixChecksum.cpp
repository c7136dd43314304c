// TFormVornalix: the checksum command.
#include "app/win/FormVornalix.h"

void TFormVornalix::ActionToolChecksumExecute(TAction&) {}
