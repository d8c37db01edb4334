// The trainer plugin's one module-wide record.
#include "trainer/trainer_state.h"

TrainerState trainer;
