#pragma once

#include <QMap>
#include <QString>
#include <QVariant>

namespace ui {

// The container's store of a control's design-time properties: values written under a key when
// the form is saved and read back when it is loaded. A value equal to the default given when
// writing is not stored; a key that was never stored reads as the default given when reading.
class PropertyBag {
public:
    QVariant ReadProperty(const QString &name, const QVariant &defaultValue = {}) const
    {
        return m_values.value(name, defaultValue);
    }

    void WriteProperty(const QString &name, const QVariant &value, const QVariant &defaultValue = {})
    {
        if (defaultValue.isValid() && value == defaultValue)
            m_values.remove(name);
        else
            m_values.insert(name, value);
    }

    bool contains(const QString &name) const { return m_values.contains(name); }

private:
    QMap<QString, QVariant> m_values;
};

} // namespace ui
