// placeholder until the rc format lands
#include "devhost/rc_file.h"
