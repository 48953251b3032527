// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/desktop/application_identity.h"

namespace tessavundo {

void DeclareApplicationIdentity() {}

} // namespace tessavundo
