// SyncOtherPanel: after a change in the active panel's folder, the other
// panel is listed again when it shows the same folder (both panels are local
// while no session is open).
#pragma once

class IFtpPanelOwner;

void SyncOtherPanel(IFtpPanelOwner& owner);
