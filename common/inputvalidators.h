#pragma once

class QRegularExpressionValidator;

// Shared by every line edit of the forms; they only limit what can be typed.
QRegularExpressionValidator *printableValidator();
QRegularExpressionValidator *domainCharsValidator();
QRegularExpressionValidator *ipv6Validator();
