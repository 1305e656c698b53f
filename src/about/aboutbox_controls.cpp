// The about windows' rows, with this window's measures and texts.
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
    m_controls = {PELK_ABOUT_BOX_CONTROLS(PELK_FORMS_ROW, PELK_FORMS_DRAWN_ROW)};
    m_formDesign = {"", m_caption.constData(), d.clientWidth, d.clientHeight, forms::HelpNumber::Context,
                    m_controls, {}};
}

} // namespace pelk
