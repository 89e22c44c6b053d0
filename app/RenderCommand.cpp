#include "RenderCommand.h"

#include "CommandLine.h"
#include "PictureExport.h"
#include "core/AnimationRun.h"
#include "core/Drawing.h"

#include <cstdio>

namespace vlnokres {

int renderPicture(const CommandLine &line)
{
    const auto checked = checkParameters(line.values);
    const Parameters &parameters = std::get<Parameters>(checked); // the command line checked them
    Drawing drawing;
    drawAnimationUpTo(secondSinusoidOf(parameters), line.step, drawing);
    const auto format = pictureFormatOf(line.renderFile);
    const QByteArray bytes = pictureBytes(*format, drawing.sceneOps(), pictureCaption(parameters), line.scale);
    const QString failure = writeWhole(line.renderFile, bytes);
    if (failure.isEmpty())
        return 0;
    std::fprintf(stderr, "%s\n",
                 qPrintable(QStringLiteral("Obrázek „%1“ nelze uložit: %2.").arg(line.renderFile, failure)));
    return 1;
}

} // namespace vlnokres
