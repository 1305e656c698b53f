// Placeholder of the Pelk Input Box Wizard window: its caption, its size and its Exit path.
#pragma once

#include "platform/forms/connectlink.h"
#include "platform/forms/form.h"
#include "hostsdk/hostsdk.h"

namespace pelk {

class frmAddIn1 : public forms::Form {
    Q_OBJECT
public:
    explicit frmAddIn1(Platform &platform, QObject *parent = nullptr);

    std::shared_ptr<hostsdk::VBE> VBInstance1;
    ConnectLink *Connect = nullptr;

protected:
    void createControls(forms::FormWindow *window) override;
    void releaseControls() override {}
    void Form_Unload(bool &cancel) override;
};

} // namespace pelk
