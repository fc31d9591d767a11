// Messages about files: the detail lines pair up a bold caption with a value.

#include "base/FileMessages.h"

#include "base/Language.h"
#include "base/MarkupText.h"
#include "base/Paths.h"

namespace velmora {

MessageDialog MakeMessage(DialogKind kind, std::string_view headingKey,
                          const std::vector<DetailLine>& details, std::string message, int buttons) {
    MessageDialog dialog;
    dialog.Kind = kind;
    dialog.Heading = Translate(headingKey);
    for (const DetailLine& line : details) {
        const std::string_view join = dialog.Captions.empty() ? "" : "#";
        dialog.Captions.append(join).append(1, '$').append(Translate(line.Key)).append(1, '$');
        dialog.Values.append(join).append(PlainText(line.Value));
    }
    dialog.Message = std::move(message);
    dialog.Buttons = buttons;
    return dialog;
}

std::vector<DetailLine> FileDetails(std::string_view path) {
    return {{"*Name*", FileTitle(path)}, {"*Type*", FileExtension(path)}, {"*Location*", FileFolder(path)}};
}

}  // namespace velmora
