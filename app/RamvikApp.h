#pragma once

#include "StartOptions.h"

#include <QApplication>
#include <QStringList>

// Reads the command line into start options. False with a message in error
// when an option is unknown or lacks its value.
bool ParseStartOptions(const QStringList& arguments, StartOptions& options, QString& error);

// The application: builds the main window, shows it and runs until it closes.
class CRamvikApp : public QApplication {
    Q_OBJECT

public:
    CRamvikApp(int& argc, char** argv);
    int Run();
};
