#pragma once
// Every piece of a form — controls, timers, non-visual parts — is a component
// with a name, a class name and a tag, and a form lists what it owns. The skin
// engine walks these lists to find what to skin.
#include <string>

namespace gui {

class Form;

class Component {
 public:
  Component(Form* owner, std::wstring name);
  virtual ~Component() = default;
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  // The class name the skin engine matches on, e.g. "TButton".
  virtual const wchar_t* ClassName() const = 0;
  const std::wstring& Name() const { return name_; }
  Form* Owner() const { return owner_; }
  int Tag = 0;
  // Runs once the owning form has finished loading, before its create handler.
  virtual void Loaded() {}

 private:
  Form* owner_;
  std::wstring name_;
};

}  // namespace gui
