// Placeholder of the Pelk Picture Viwer window: its caption, its size and its Exit path.
#pragma once

#include "platform/forms/connectlink.h"
#include "platform/forms/form.h"
#include "hostsdk/hostsdk.h"

namespace pelk {

class frmAddIn3 : public forms::Form {
    Q_OBJECT
public:
    explicit frmAddIn3(Platform &platform, QObject *parent = nullptr);

    std::shared_ptr<hostsdk::VBE> VBInstance3;
    ConnectLink *Connect = nullptr;

protected:
    void createControls(forms::FormWindow *window) override;
    void releaseControls() override {}
    void Form_Unload(bool &cancel) override;
};

} // namespace pelk
