<?php
// Moves the site to a paid plan: the answer is the domain the service keeps
// for it (a name under "own." of the service domain, which resolves to this
// machine like the free addresses do).
$account = find_account(arg('id'));
if ($account) {
  $domain = $account['domain'] !== '' ? $account['domain']
                                      : $account['unixname'] . '.own.' . service_domain();
  update_account($account['unixname'], ['domain' => $domain]);
  echo $domain;
}
