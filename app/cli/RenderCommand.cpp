#include "RenderCommand.h"

#include "CommandLine.h"
#include "app/picture/PictureExport.h"
#include "app/picture/PictureFile.h"
#include "core/AnimationRun.h"
#include "core/Drawing.h"

#include <cstdio>

namespace vlnokres {

int renderPicture(const CommandLine &line)
{
    Drawing drawing;
    drawAnimationUpTo(secondSinusoidOf(line.parameters), line.step, drawing);
    const auto format = pictureFormatOf(line.renderFile);
    const QByteArray bytes = pictureBytes(*format, drawing.sceneOps(), pictureCaption(line.parameters), line.scale);
    const QString failure = writeWhole(line.renderFile, bytes);
    if (failure.isEmpty())
        return 0;
    std::fprintf(stderr, "%s\n", qPrintable(cannotSaveSentence(line.renderFile, failure)));
    return 1;
}

} // namespace vlnokres
