#include "app/EditorInfo.h"
