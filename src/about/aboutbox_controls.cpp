// The about windows' controls, row by row; where the three windows differ,
// the numbers come from each window's Design.
#include "aboutbox.h"

#include "maker.h"

namespace pelk {

void AboutBox::designControls()
{
    using enum forms::Kind;
    const Design &d = m_design;
    m_caption = d.caption.toUtf8();
    m_title = (QStringLiteral("Message box wizard    ") + maker::kWebAddress).toUtf8();
    m_description = d.description.toUtf8();
    // The etched rule runs to the right edge: white under grey, drawn in row order.
    constexpr double ruleRight = 5640;
    // clang-format off
    m_controls = {
        // name, kind, caption, tooltip, in;
        //     left, top, width, height, tab, help, other
        {"picIcon", PictureBox, "", "", "",
             240, 240, 540, 540, 1, 0, {.accessibleName = "Program icon"}},
        {"lblTitle", Label, m_title.constData(), "", "",
             960, 120, 2685, 360, 4, 0, {.wordWrap = true, .color = Qt::black}},
        {"lblVersion", Label, "Version", "", "",
             960, 600, 3885, 225, 5, 0},
        {"lblDescription", Label, m_description.constData(), "", "",
             960, 840, d.descriptionWidth, d.descriptionHeight, 2, 0, {.wordWrap = true, .color = Qt::black}},
        {"Line1_0", Line, "", "", "",
             0, d.ruleTop, ruleRight, d.ruleTop, -1, 0, {.color = Qt::white, .lineWidth = 2}},
        {"Line1_1", Line, "", "", "",
             0, d.ruleTop, ruleRight, d.ruleTop, -1, 0, {.color = Qt::darkGray}},
        {"Label1", Label, "", "", "",
             d.authorLeft, d.authorTop, kAuthorWidth, 195, 6, 0, {.autoSize = true}},
        {"cmdOK", CommandButton, "&OK", "", "",
             d.okLeft, d.okTop, 1260, 345, 0, 0},
    };
    // clang-format on
    m_formDesign = {"", m_caption.constData(), d.clientWidth, d.clientHeight, forms::HelpNumber::Context,
                    m_controls, {}};
}

} // namespace pelk
