"""Drawing and file-format helpers for the asset generator (standard library only)."""
