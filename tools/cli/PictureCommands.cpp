#include "CliCommands.h"

#include <Graph.h>
#include <Print.h>
#include <ProjectState.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

// The window keeps 10 pixels of its face colour around the graph's frame.
constexpr int kFrameGap = 10;

QString QtPath(const std::string& path)
{
    return QFile::decodeName(path.c_str());
}

bool OpenOutput(QSaveFile& file, const std::string& path)
{
    if (file.open(QIODevice::WriteOnly))
        return true;
    PrintMessage("Can't write " + path + "\n" + file.errorString().toStdString());
    return false;
}

// Replaces the old file only now that the new one is whole.
bool CommitOutput(QSaveFile& file, const std::string& path)
{
    if (file.commit())
        return true;
    PrintMessage("Can't write " + path + "\n" + file.errorString().toStdString());
    return false;
}

// The graph set up as the main window sets it up, on a client area of the
// picture's size.
QImage DrawGraph(ProjectState& project, const CliRequest& request)
{
    project.SetGraphType(request.differenceView ? 0 : 1);
    CGraph graph(&project);
    graph.UseStandardAxes();
    graph.logoPath = QtPath(request.logoFolder);
    graph.SetFrame(kFrameGap, kFrameGap, request.width - kFrameGap, request.height - kFrameGap);

    QImage image(request.width, request.height, QImage::Format_RGB32);
    const QColor face = CGraph::FaceColour();
    image.fill(face);
    QPainter painter(&image);
    graph.Draw(painter, face);
    painter.end();
    return image;
}

} // namespace

int PdfCommand(const CliRequest& request)
{
    ProjectState project;
    if (!LoadProject(request.file, project))
        return kExitFailed;
    QSaveFile file(QtPath(request.output));
    if (!OpenOutput(file, request.output))
        return kExitFailed;
    {
        QPdfWriter writer(&file);
        writer.setTitle(QString::fromStdString(project.Caption()));
        writer.setCreator(QStringLiteral("Ramvik"));
        if (!PrintProject(writer, project)) {
            PrintMessage("Can't write " + request.output);
            return kExitFailed;
        }
    } // the writer finishes the document when it goes
    return CommitOutput(file, request.output) ? kExitDone : kExitFailed;
}

int PngCommand(const CliRequest& request)
{
    ProjectState project;
    if (!LoadProject(request.file, project))
        return kExitFailed;
    const QImage image = DrawGraph(project, request);
    QSaveFile file(QtPath(request.output));
    if (!OpenOutput(file, request.output))
        return kExitFailed;
    if (!image.save(&file, "PNG")) {
        PrintMessage("Can't write " + request.output);
        return kExitFailed;
    }
    return CommitOutput(file, request.output) ? kExitDone : kExitFailed;
}
