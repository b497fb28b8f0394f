#pragma once

namespace ado {

enum ObjectState { adStateClosed = 0, adStateOpen = 1 };
enum CursorType { adOpenUnspecified = -1, adOpenForwardOnly = 0, adOpenKeyset = 1 };
enum LockType { adLockUnspecified = -1, adLockReadOnly = 1 };
enum CursorLocation { adUseServer = 2, adUseClient = 3 };
constexpr long adCmdUnspecified = -1;
constexpr long adCmdText = 1;

} // namespace ado
