<?php
// The three public domain-lookup pages, as stand-ins on their own host
// names. What a page answers follows the domain's first label, so that every
// outcome can be tried:
//   silent...   the first page answers nothing at all
//   second...   the first page has no verdict; the second decides
//   third...    neither the first nor the second has a verdict; the third decides
//   lost...     the first has no verdict, the second and third answer nothing
//   ...taken... registered (as is every domain a site of this service holds)
//   anything else: available
require_once __DIR__ . '/db.php';

function domain_is_taken(string $domain): bool {
  return str_contains($domain, 'taken') || find_account_by_domain($domain) !== null;
}

function lookup_page(string $host, string $body): void {
  header('Content-Type: text/html; charset=utf-8');
  $name = str_starts_with($host, 'www.') ? substr($host, 4) : $host;
  echo "<!DOCTYPE html>\n<html><head><title>Domain lookup</title></head><body>\n"
     . "<p>Domain lookup at " . htmlspecialchars($name) . "</p>\n$body\n</body></html>\n";
}

function serve_lookup_page(int $page, string $host, string $path): void {
  $domain = strtolower(trim($page === 1 ? ($_GET['domain'] ?? '') : ltrim(substr($path, $page === 2 ? 7 : 1), '/')));
  $valid = ($page === 1 && $path === '/cgi-bin/checkdomain.pl') || ($page === 2 && str_starts_with($path, '/whois/'))
      || $page === 3;
  if (!$valid || $domain === '') {
    not_found();
    return;
  }
  $taken = domain_is_taken($domain);
  $d = htmlspecialchars($domain);
  if ($page === 1) {
    if (str_starts_with($domain, 'silent')) return;
    if (preg_match('/^(second|third|lost)/', $domain)) {
      lookup_page($host, "<p>The registry of $d did not answer in time.</p>");
    } else {
      lookup_page($host, $taken ? "<p>$d, has already been registered</p>" : "<p>$d, is still available!</p>");
    }
  } elseif ($page === 2) {
    if (str_starts_with($domain, 'lost')) return;
    if (str_starts_with($domain, 'third')) {
      lookup_page($host, "<p>No whois data for $d.</p>");
    } else {
      lookup_page($host, $taken ? "<p>$d is <span class=\"hdOrange\">not available</span></p>"
                                : "<p>$d is <span class=\"hdGreen\">available</span></p>");
    }
  } else {
    if (str_starts_with($domain, 'lost')) return;
    $link = '<p><a href="http://' . htmlspecialchars($host) . '/">Back to the search</a></p>';
    lookup_page($host, $link . ($taken ? "<p>$d is registered.</p>" : "<p>This domain name is not registered</p>"));
  }
}
