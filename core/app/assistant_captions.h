#pragma once
/// The assistant's sentences in the session's language: the node table has
/// them in Italian; this gives their English form.

#include <string>

namespace kord {

/// The caption of an assistant node whose Italian caption is `italian`:
/// itself, or its English form when `english` (itself when it has none).
const std::string& AssistantCaption(const std::string& italian, bool english);

}  // namespace kord
