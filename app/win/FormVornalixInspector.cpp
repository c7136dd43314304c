// TFormVornalix: the data inspector pane beside the control.
#include "app/win/FormVornalix.h"

void TFormVornalix::ActionToolInspectorExecute(TAction&) {}
