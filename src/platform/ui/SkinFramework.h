#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace ui {

// The window skin control. A skin is a Qt style sheet kept beside the skin name the program
// asks for: for a skin file, the same name with the extension ".qss"
// ("Styles/Vista.cjstyles" -> "Styles/Vista.qss"); for a skin folder, the file named by the
// skin's INI name with the extension ".qss" inside it ("Styles/iTunes" with "Normalitunes.ini"
// -> "Styles/iTunes/Normalitunes.qss"). A window hosts the control as a child object, so the
// program finds it by objectName ("SkinFramework1").
class SkinFramework : public QObject {
    Q_OBJECT
public:
    explicit SkinFramework(QObject *parent = nullptr);

    // Reads the skin's style sheet. Throws rt::RuntimeError 53 when there is none to read; the
    // skin loaded before stays then.
    void LoadSkin(const QString &skinFile, const QString &iniFileName);

    // Applies the loaded skin to the window (nothing when none is loaded).
    void ApplyWindow(QWidget *window) const;

    // Option bits of the control; bit 1 applies the skin to the window's dialogs as well, which a
    // style sheet set on the window does by itself.
    int ApplyOptions() const { return m_applyOptions; }
    void setApplyOptions(int options) { m_applyOptions = options; }

    // The style sheet loaded, "" before any.
    QString styleSheet() const { return m_styleSheet; }

    // The style-sheet file that stands for a skin file and INI name (see the class comment).
    static QString styleSheetFile(const QString &skinFile, const QString &iniFileName);

private:
    QString m_styleSheet;
    int m_applyOptions = 0;
};

} // namespace ui
