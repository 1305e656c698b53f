#include "wizard_files.h"
