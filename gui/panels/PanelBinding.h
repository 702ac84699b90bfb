#pragma once

#include <functional>
#include <utility>

namespace kelo::gui {

/// How an editing panel reads and writes the values it shows. The page that places the panel implements
/// it on top of its edit path: value() returns the stored index of a field, setValue() stores a new
/// index (and sends it). Fields are numbered by the panel's own Field enumeration.
class PanelBinding {
public:
    virtual ~PanelBinding() = default;

    /// The stored index of a field.
    virtual int value(int field) const = 0;
    /// Stores a new index for a field; the panel has already clamped it to the field's range.
    virtual void setValue(int field, int index) = 0;
};

/// A binding made of two callables, for pages that prefer lambdas to a class.
class FunctionBinding : public PanelBinding {
public:
    FunctionBinding(std::function<int(int)> getter, std::function<void(int, int)> setter)
        : m_getter(std::move(getter)), m_setter(std::move(setter)) {}

    int value(int field) const override { return m_getter ? m_getter(field) : 0; }
    void setValue(int field, int index) override {
        if (m_setter) {
            m_setter(field, index);
        }
    }

private:
    std::function<int(int)> m_getter;
    std::function<void(int, int)> m_setter;
};

} // namespace kelo::gui
