// Placeholder so that the platform layer is a library from the start.
namespace platform {}
