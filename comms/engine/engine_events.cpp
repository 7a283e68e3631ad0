// SPDX-License-Identifier: GPL-3.0-or-later
#include "comms/engine/engine_events.h"

namespace vuriru {

namespace {

const char* TransactionName(Transaction transaction) {
  switch (transaction) {
    case Transaction::kNone:
      return "none";
    case Transaction::kRead:
      return "read";
    case Transaction::kReadCurves:
      return "read-curves";
    case Transaction::kV1Read:
      return "v1-read";
    case Transaction::kApply:
      return "apply";
    case Transaction::kDefault:
      return "default";
    case Transaction::kV1Store:
      return "v1-store";
    case Transaction::kFirmware:
      return "firmware";
  }
  return "?";
}

const char* EndingName(TransferEnding ending) {
  switch (ending) {
    case TransferEnding::kNothingSent:
      return "nothing-sent";
    case TransferEnding::kStalled:
      return "stalled";
    case TransferEnding::kLinkLost:
      return "link-lost";
    case TransferEnding::kFirmwareFailed:
      return "firmware-failed";
    case TransferEnding::kBoxUpdated:
      return "box-updated";
    case TransferEnding::kControllerUpdated:
      return "controller-updated";
    case TransferEnding::kPagesReset:
      return "pages-reset";
  }
  return "?";
}

const char* ChangeName(LinkChange change) {
  switch (change) {
    case LinkChange::kAdapterArrived:
      return "adapter-arrived";
    case LinkChange::kAdapterRemoved:
      return "adapter-removed";
    case LinkChange::kPortArrived:
      return "port-arrived";
    case LinkChange::kPortRemoved:
      return "port-removed";
    case LinkChange::kControllerLost:
      return "controller-lost";
    case LinkChange::kVersionFailed:
      return "version-failed";
  }
  return "?";
}

const char* ProgressName(ProgressStep step) {
  switch (step) {
    case ProgressStep::kCaption:
      return "caption";
    case ProgressStep::kShow:
      return "show";
    case ProgressStep::kHide:
      return "hide";
    case ProgressStep::kIndicators:
      return "indicators";
    case ProgressStep::kV1Text:
      return "v1-text";
  }
  return "?";
}

}  // namespace

std::string DescribeEvent(const EngineEvent& event) {
  switch (event.kind) {
    case EngineEventKind::kConnected:
      return "Connected " + event.text;
    case EngineEventKind::kIdentified:
      if (event.identity == Identity::kSoftwareVersion) return "Identified software " + event.text;
      return "Identified controller " + std::to_string(event.deviceType);
    case EngineEventKind::kSettingsRead:
      switch (event.read) {
        case SettingsReadStep::kFullReply:
          return "SettingsRead full";
        case SettingsReadStep::kV1Reply:
          return "SettingsRead v1";
        case SettingsReadStep::kV1ReadEnd:
          return std::string("SettingsRead v1-end") + (event.firstRead ? " first" : "") +
                 (event.showValues ? " show" : "");
      }
      return "SettingsRead";
    case EngineEventKind::kCurvesRead: {
      std::string line = "CurvesRead";
      for (unsigned n = 1; n <= 3; ++n) {
        if (event.refusedCurves & (1u << n)) line += " refused-" + std::to_string(n);
      }
      if (event.leftBoxMode) line += " left-box-mode";
      return line;
    }
    case EngineEventKind::kStoreDone:
      return std::string("StoreDone ") + TransactionName(event.transaction);
    case EngineEventKind::kProgress:
      return std::string("Progress ") + ProgressName(event.progress) + " " + std::to_string(event.pos) + "/" +
             std::to_string(event.range) + (event.text.empty() ? "" : " " + event.text);
    case EngineEventKind::kTransferEnded:
      return std::string("TransferEnded ") + EndingName(event.ending) + " " + TransactionName(event.transaction);
    case EngineEventKind::kLinkChanged:
      return std::string("LinkChanged ") + ChangeName(event.change);
    case EngineEventKind::kMessage:
      return "Message " + event.text + "|" + event.caption + "|" + (event.icon == MessageIcon::kExclamation ? "!" : "");
  }
  return "?";
}

}  // namespace vuriru
