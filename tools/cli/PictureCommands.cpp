#include "CliCommands.h"

#include <FileWriter.h>
#include <Graph.h>
#include <Languages.h>
#include <Print.h>
#include <PrintPdf.h>
#include <ProjectState.h>
#include <Translate.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <WriteHistory.h>

#include <optional>

namespace {

// The window keeps 10 pixels of its face colour around the graph's frame.
constexpr int kFrameGap = 10;

QString QtPath(const std::string& path)
{
    return QFile::decodeName(path.c_str());
}

// The picture's bytes to the output through the file writer, so a failed
// write keeps the old file; the writer gives the system's reason.
bool WriteOutput(const QByteArray& bytes, const std::string& path)
{
    std::string error;
    if (WriteFileSafely(
            path, std::string_view(bytes.constData(), std::size_t(bytes.size())), error))
        return true;
    PrintMessage("Can't write " + path + "\n" + error);
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

// Both pictures are made in memory first: the output is touched only once
// the picture's own writer has said that all of it came out.
int PdfCommand(const CliRequest& request)
{
    // Without --lang the sheet is English with the point, whatever the
    // system's language.
    if (!request.language.empty()) {
        const QString language = QString::fromStdString(request.language);
        if (!IsShippedLanguage(language)) {
            PrintMessage("ramvik-cli: the sheet can be printed in "
                + ShippedLanguageCodes().toStdString() + "; not in '" + request.language + "'.");
            return kExitFailed;
        }
        UseLanguage(language);
    }
    ProjectState project;
    if (!LoadProject(request.file, project))
        return kExitFailed;
    // A copy from the write history says when and how it was written.
    const std::optional<UserText> note = HistoryNote(request.file);
    const QByteArray pdf = ProjectSheetPdf(project, note ? Tr(*note) : QString());
    if (pdf.isEmpty()) {
        PrintMessage("Can't write " + request.output + "\nThe PDF could not be made.");
        return kExitFailed;
    }
    return WriteOutput(pdf, request.output) ? kExitDone : kExitFailed;
}

int PngCommand(const CliRequest& request)
{
    ProjectState project;
    if (!LoadProject(request.file, project))
        return kExitFailed;
    const QImage image = DrawGraph(project, request);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (!image.save(&png, "PNG")) {
        PrintMessage("Can't write " + request.output + "\nThe PNG could not be made.");
        return kExitFailed;
    }
    return WriteOutput(png.data(), request.output) ? kExitDone : kExitFailed;
}
