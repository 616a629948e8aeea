#pragma once

#include <QString>
#include <QWidget>

namespace standin {

// The one window of a stand-in component: its watch title as the window title, what it was
// started with, and a Close button. Closing it ends the program.
class StandinWindow : public QWidget {
    Q_OBJECT

public:
    // iconName is a task icon element of the catalogue, empty for none.
    StandinWindow(const QString& title, const QString& fileName, const QString& parameters,
                  const QString& iconName, bool known);
};

} // namespace standin
