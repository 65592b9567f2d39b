#include "skin/sSkinColorShift.h"
namespace wakespan { void ApplySkinColorShift(TsSkinModel&, int, int) {} }
