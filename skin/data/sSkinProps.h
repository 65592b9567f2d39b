// Names the skin engine looks up in a skin's option text: sections, keys
// and image keys. Names are upper case; the model compares them exactly.
#pragma once

namespace wakespan {

// Sections.
inline constexpr const char* s_GlobalInfo = "GLOBALINFO";
inline constexpr const char* s_Form = "FORM";
inline constexpr const char* s_Dialog = "DIALOG";
inline constexpr const char* s_FormTitle = "FORMTITLE";
inline constexpr const char* s_Caption = "CAPTION";
inline constexpr const char* s_MdiArea = "MDIAREA";
inline constexpr const char* s_MainMenu = "MAINMENU";
inline constexpr const char* s_MenuItem = "MENUITEM";
inline constexpr const char* s_MenuLine = "MENULINE";
inline constexpr const char* s_ExtraLine = "EXTRALINE";
inline constexpr const char* s_IcoLine = "ICOLINE";
inline constexpr const char* s_Button = "BUTTON";
inline constexpr const char* s_SpeedButton = "SPEEDBUTTON";
inline constexpr const char* s_SpeedButton_Small = "SPEEDBUTTON_SMALL";
inline constexpr const char* s_ToolButton = "TOOLBUTTON";
inline constexpr const char* s_WebButton = "WEBBUTTON";
inline constexpr const char* s_CheckBox = "CHECKBOX";
inline constexpr const char* s_RadioButton = "RADIOBUTTON";
inline constexpr const char* s_GroupBox = "GROUPBOX";
inline constexpr const char* s_Panel = "PANEL";
inline constexpr const char* s_PanelLow = "PANEL_LOW";
inline constexpr const char* s_Edit = "EDIT";
inline constexpr const char* s_ComboBox = "COMBOBOX";
inline constexpr const char* s_ComboBtn = "COMBOBTN";
inline constexpr const char* s_UpDownBtn = "UPDOWNBTN";
inline constexpr const char* s_ColHeader = "COLHEADER";
inline constexpr const char* s_PageControl = "PAGECONTROL";
inline constexpr const char* s_PageControlLeft = "PAGECONTROLLEFT";
inline constexpr const char* s_PageControlRight = "PAGECONTROLRIGHT";
inline constexpr const char* s_PageControlBottom = "PAGECONTROLBOTTOM";
inline constexpr const char* s_TabSheet = "TABSHEET";
inline constexpr const char* s_TabTop = "TABTOP";
inline constexpr const char* s_TabBottom = "TABBOTTOM";
inline constexpr const char* s_TabLeft = "TABLEFT";
inline constexpr const char* s_TabRight = "TABRIGHT";
inline constexpr const char* s_ToolBar = "TOOLBAR";
inline constexpr const char* s_StatusBar = "STATUSBAR";
inline constexpr const char* s_DragBar = "DRAGBAR";
inline constexpr const char* s_Splitter = "SPLITTER";
inline constexpr const char* s_Gauge = "GAUGE";
inline constexpr const char* s_TrackBar = "TRACKBAR";
inline constexpr const char* s_Bar = "BAR";
inline constexpr const char* s_BarTitle = "BARTITLE";
inline constexpr const char* s_Divider = "DIVIDER";
inline constexpr const char* s_DividerV = "DIVIDERV";
inline constexpr const char* s_ScrollBtnTop = "SCROLLBTNTOP";
inline constexpr const char* s_ScrollBtnBottom = "SCROLLBTNBOTTOM";
inline constexpr const char* s_ScrollBtnLeft = "SCROLLBTNLEFT";
inline constexpr const char* s_ScrollBtnRight = "SCROLLBTNRIGHT";
inline constexpr const char* s_ScrollSliderV = "SCROLLSLIDERV";
inline constexpr const char* s_ScrollSliderH = "SCROLLSLIDERH";
inline constexpr const char* s_ScrollBar1H = "SCROLLBAR1H";
inline constexpr const char* s_ScrollBar1V = "SCROLLBAR1V";
inline constexpr const char* s_ScrollBar2H = "SCROLLBAR2H";
inline constexpr const char* s_ScrollBar2V = "SCROLLBAR2V";
// Given to a control whose section name is empty; no skin defines it.
inline constexpr const char* s_Unknown = "UNKNOWN";

// Keys of general data.
inline constexpr const char* s_ParentClass = "PARENTCLASS";
inline constexpr const char* s_MasterBitmap = "MASTERBITMAP";

// Image keys.
inline constexpr const char* s_BordersMask = "BORDERSMASK";
inline constexpr const char* s_GlyphMask = "GLYPHMASK";
inline constexpr const char* s_Pattern = "PATTERN";
inline constexpr const char* s_HotPattern = "HOTPATTERN";
inline constexpr const char* s_ImgTopLeft = "IMGTOPLEFT";
inline constexpr const char* s_ImgTopRight = "IMGTOPRIGHT";
inline constexpr const char* s_ImgBottomLeft = "IMGBTMLEFT";
inline constexpr const char* s_ImgBottomRight = "IMGBTMRIGHT";
inline constexpr const char* s_StatusPanelMask = "STATUSPANELMASK";
inline constexpr const char* s_TitleBar = "TITLEBAR";
inline constexpr const char* s_CheckBoxChecked = "BOXCHECKED";
inline constexpr const char* s_CheckBoxUnChecked = "BOXUNCHECKED";
inline constexpr const char* s_CheckBoxGrayed = "BOXGRAYED";
inline constexpr const char* s_RadioButtonChecked = "RADIOCHECKED";
inline constexpr const char* s_RadioButtonUnChecked = "RADIOUNCHECKED";
inline constexpr const char* s_RadioButtonGrayed = "RADIOGRAYED";
inline constexpr const char* s_SmallBoxChecked = "SMALLCHECKED";
inline constexpr const char* s_SmallBoxUnChecked = "SMALLUNCHECKED";
inline constexpr const char* s_SmallBoxGrayed = "SMALLGRAYED";
inline constexpr const char* s_Check = "CHECK";
inline constexpr const char* s_GripImage = "GRIPIMAGE";
inline constexpr const char* s_TitleButton = "TITLEBUTTON";
inline constexpr const char* s_ExBorder = "EXBORDER";
inline constexpr const char* s_BorderIconClose = "BICONCLOSE";
inline constexpr const char* s_BorderIconCloseAlone = "BICLOSEALONE";
inline constexpr const char* s_BorderIconMaximize = "BICONMAX";
inline constexpr const char* s_BorderIconNormalize = "BICONNORM";
inline constexpr const char* s_BorderIconMinimize = "BICONMIN";
inline constexpr const char* s_BorderIconHelp = "BICONHELP";
inline constexpr const char* s_SmallIconClose = "SICONCLOSE";
inline constexpr const char* s_SmallIconMaximize = "SICONMAX";
inline constexpr const char* s_SmallIconNormalize = "SICONNORM";
inline constexpr const char* s_SmallIconMinimize = "SICONMIN";
inline constexpr const char* s_SmallIconHelp = "SICONHELP";

// Every section and image key above, for telling a skin's author which of
// the skin's names the engine never asks for.
inline constexpr const char* kEngineSections[] = {
    s_GlobalInfo, s_Form, s_Dialog, s_FormTitle, s_Caption, s_MdiArea, s_MainMenu, s_MenuItem, s_MenuLine,
    s_ExtraLine, s_IcoLine, s_Button, s_SpeedButton, s_SpeedButton_Small, s_ToolButton, s_WebButton, s_CheckBox,
    s_RadioButton, s_GroupBox, s_Panel, s_PanelLow, s_Edit, s_ComboBox, s_ComboBtn, s_UpDownBtn, s_ColHeader,
    s_PageControl, s_PageControlLeft, s_PageControlRight, s_PageControlBottom, s_TabSheet, s_TabTop, s_TabBottom,
    s_TabLeft, s_TabRight, s_ToolBar, s_StatusBar, s_DragBar, s_Splitter, s_Gauge, s_TrackBar, s_Bar, s_BarTitle,
    s_Divider, s_DividerV, s_ScrollBtnTop, s_ScrollBtnBottom, s_ScrollBtnLeft, s_ScrollBtnRight, s_ScrollSliderV,
    s_ScrollSliderH, s_ScrollBar1H, s_ScrollBar1V, s_ScrollBar2H, s_ScrollBar2V};
inline constexpr const char* kEngineImageKeys[] = {
    s_BordersMask, s_GlyphMask, s_Pattern, s_HotPattern, s_ImgTopLeft, s_ImgTopRight, s_ImgBottomLeft,
    s_ImgBottomRight, s_StatusPanelMask, s_TitleBar, s_CheckBoxChecked, s_CheckBoxUnChecked, s_CheckBoxGrayed,
    s_RadioButtonChecked, s_RadioButtonUnChecked, s_RadioButtonGrayed, s_SmallBoxChecked, s_SmallBoxUnChecked,
    s_SmallBoxGrayed, s_Check, s_GripImage, s_TitleButton, s_ExBorder, s_BorderIconClose, s_BorderIconCloseAlone,
    s_BorderIconMaximize, s_BorderIconNormalize, s_BorderIconMinimize, s_BorderIconHelp, s_SmallIconClose,
    s_SmallIconMaximize, s_SmallIconNormalize, s_SmallIconMinimize, s_SmallIconHelp};

// The key colour of skin images: pixels of exactly this colour are transparent.
inline constexpr unsigned kSkinKeyColor = 0xFF00FF;

}  // namespace wakespan
