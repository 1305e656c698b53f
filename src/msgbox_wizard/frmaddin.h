// Placeholder of the Pelk MsgBox Wizard window: its caption, its size and its Exit path.
#pragma once

#include "platform/forms/connectlink.h"
#include "platform/forms/form.h"
#include "hostsdk/hostsdk.h"

namespace pelk {

class frmAddIn : public forms::Form {
    Q_OBJECT
public:
    explicit frmAddIn(Platform &platform, QObject *parent = nullptr);

    std::shared_ptr<hostsdk::VBE> VBInstance;
    ConnectLink *Connect = nullptr;

protected:
    void createControls(forms::FormWindow *window) override;
    void releaseControls() override {}
    void Form_Unload(bool &cancel) override;
};

} // namespace pelk
