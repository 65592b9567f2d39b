#pragma once
// The four windows and their process-wide references. Each reference is set
// before its window's create handler runs and stays valid until the process
// ends; until then it is null.

class TMainform;
class TStickyform;
class TCountDownform;
class TAboutform;

extern TMainform* Mainform;
extern TStickyform* Stickyform;
extern TCountDownform* CountDownform;
extern TAboutform* Aboutform;
