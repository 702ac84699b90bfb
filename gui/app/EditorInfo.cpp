#include "gui/app/EditorInfo.h"
