#pragma once

#include <QStatusBar>
#include <QString>

class QLabel;

// A status bar of keyed panels, as the program's windows address them: each panel is a QLabel
// whose objectName is its key, laid out left to right in the order added.
class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBar(QWidget *parent = nullptr);

    // Adds a panel at the right end. `minimumWidth` in pixels; a `stretch` above 0 lets the panel
    // take the free width. Returns the panel.
    QLabel *addPanel(const QString &key, int minimumWidth = 0, int stretch = 0);

    // The panel of that key, or nullptr.
    QLabel *panel(const QString &key) const;

    // The panel's text, "" when there is no such panel.
    QString panelText(const QString &key) const;
};
