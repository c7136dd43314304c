// TFormVornalix: the text search command.
#include "app/win/FormVornalix.h"

void TFormVornalix::ActionFindStringExecute(TAction&) {}
