// Text dump of a loaded skin model: skin data, sections with their parents
// and resolved general data, mask and pattern entries, cached indexes.
#pragma once

#include <ostream>

namespace wakespan {

class TsSkinModel;

void DumpSkin(const TsSkinModel& model, std::ostream& out);

}  // namespace wakespan
